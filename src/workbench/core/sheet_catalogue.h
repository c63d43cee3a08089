// The fixed statutory sheets: their titles, their groups in the navigation
// tree and the jump commands of the main menu.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/sheet_names.h"

namespace spf {

struct TSheet;

inline constexpr std::string_view kNotesListName = sheets::kWykazNot;
inline constexpr std::string_view kTreeRootCaption = "Sprawozdanie finansowe";
inline constexpr std::string_view kStatementsGroupCaption = "Druki sprawozdania finansowego";
inline constexpr std::string_view kNotesGroupCaption = "Noty";
inline constexpr std::string_view kAnalysisGroupCaption = "Analiza finansowa";

enum class SheetKind { Statement, NotesList, Note, Analysis };

// The tree group of a sheet, decided from its upper-cased name; unknown
// names are statement forms.
SheetKind ClassifySheet(std::string_view gridName);

// The own title of the nine sheets that have one, otherwise the name itself.
std::string SheetTitle(const std::string& gridName);

// The caption of the sheet's node in the navigation tree.
std::string TreeCaption(const TSheet& sheet);

// The forty note sheets in sheet order.
const std::vector<std::string>& NoteSheetNames();

// A main-menu command that shows one sheet.
struct JumpCommand {
    std::string caption;
    std::string gridName;
};
// "Sprawozdanie finansowe" menu, in menu order.
const std::vector<JumpCommand>& StatementJumpCommands();
// "Analiza finansowa" menu, in menu order.
const std::vector<JumpCommand>& AnalysisJumpCommands();

}  // namespace spf
