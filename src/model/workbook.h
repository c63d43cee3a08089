// The one open statement document: ordered sheets, header, language,
// note selection and the undo journal.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "model/document_header.h"
#include "model/sheet.h"

namespace spf {

class Workbook {
public:
    std::vector<TSheet> Sheets;
    DocumentHeader Header;
    GeneralData General;
    int LangID = 0;                // 0 Polish (Text1), 1 English (Text2)
    std::set<int> NotesSelection;  // ticked entries, stored as Chckd keys
    std::string FileName;
    bool Saved = true;
    bool DocumentOpen = false;
    std::vector<std::string> UndoJournal;

    // Exact, case-sensitive; the last match wins.
    spf::Grid* FindGrid(const std::string& name);
    const spf::Grid* FindGrid(const std::string& name) const;
    // Case-insensitive; the last match wins; -1 when absent.
    int FindSheet(const std::string& name) const;

    // Frees every sheet and resets the header as closing a document does.
    void Close(DateDays today);

    // Every cell, header cells included, gets properties.
    void EnsureAllProps();
};

// The properties of a cell, created empty when it has none.
TCellProps& CellProps(Grid& grid, int col, int row);

// Writes the text of the current language (Text1 for 0, Text2 for 1).
void SetLanguageText(const Workbook& workbook, Grid& grid, int col, int row, const std::string& text);
void SetLanguageText(int langId, Grid& grid, int col, int row, const std::string& text);

// Cells empty, not editable, CellFormat 0, Val, Formula and hint empty.
void ClearCell(Grid& grid, int col, int row);

}  // namespace spf
