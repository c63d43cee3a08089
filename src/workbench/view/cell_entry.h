// The sheet grid's side of cell entry: the editor's starting text and the
// end of an edit, on the core cell-entry rule, plus what the window does
// about it ("Cofnij" enabled, the recalculation timer).
#pragma once

#include <string>

namespace spf {

struct TSheet;
class ViewContext;

// The cell's shown text, remembered as the window's edit start text.
std::string BeginCellEdit(ViewContext& context, const TSheet& sheet, int col, int row);

// Stores the text the editor reported for (col, row). Returns true when the
// text differed from the start text, so the document changed.
bool EndCellEdit(ViewContext& context, TSheet& sheet, int col, int row, const std::string& text);

}  // namespace spf
