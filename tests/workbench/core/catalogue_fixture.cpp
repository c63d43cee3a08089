#include "catalogue_fixture.h"

#include <algorithm>

#include "test_sheets.h"
#include "workbench/core/note_visibility.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf::testing {

namespace {

bool Skipped(std::initializer_list<const char*> without, const std::string& name) {
    return std::any_of(without.begin(), without.end(), [&](const char* n) { return name == n; });
}

}  // namespace

Workbook CatalogueWorkbook(std::initializer_list<const char*> without) {
    Workbook workbook;
    for (const char* name : kStatementNames)
        if (!Skipped(without, name)) test::AddSheet(workbook, name, 7, 80);
    test::AddSheet(workbook, std::string(kNotesListName), 6, 44);
    int listed = 0;
    for (const std::string& name : NoteSheetNames()) {
        if (Skipped(without, name)) continue;
        test::AddSheet(workbook, name, 6, 8);
        workbook.Sheets.back().Grid->At(2, 3).Cells = "Tytuł " + name;
        if (name == "nota_35") continue;
        Grid& list = *workbook.FindGrid(std::string(kNotesListName));
        CellProps(list, kSelectionColumn, kNotesListFirstRow + listed++).NoteSel = kNoteSelected;
    }
    for (const char* name : kAnalysisNames)
        if (!Skipped(without, name)) test::AddSheet(workbook, name, 8, 10);
    workbook.EnsureAllProps();
    workbook.DocumentOpen = true;
    return workbook;
}

void SelectNote(Workbook& workbook, const std::string& note, bool selected) {
    const int first = workbook.FindSheet("nota_01");
    const int row = kNotesListFirstRow + workbook.FindSheet(note) - first;
    CellProps(*workbook.FindGrid(std::string(kNotesListName)), kSelectionColumn, row).NoteSel =
        selected ? kNoteSelected : kNoteNotSelected;
}

std::string GridText(const Workbook& workbook, const std::string& sheet, int col, int row) {
    const Grid* grid = workbook.FindGrid(sheet);
    if (!grid || !grid->Contains(col, row)) return "<none>";
    return grid->At(col, row).Cells;
}

}  // namespace spf::testing
