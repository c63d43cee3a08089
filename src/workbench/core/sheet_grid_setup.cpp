#include "workbench/core/sheet_grid_setup.h"

#include "model/workbook.h"

namespace spf {

void ConfigureSheetGrid(Grid& g) {
    g.DefaultRowHeight = 24;
    if (g.ColWidths.size() != static_cast<size_t>(g.Columns()))
        g.ColWidths.resize(static_cast<size_t>(g.Columns()), g.DefaultColWidth);
    if (g.RowHeights.size() != static_cast<size_t>(g.Rows()))
        g.RowHeights.resize(static_cast<size_t>(g.Rows()), g.DefaultRowHeight);
    if (g.Columns() > 0) g.ColWidths[0] = 1;
    if (g.Columns() > 1) g.ColWidths[1] = 15;
    if (g.Columns() > 2) g.ColWidths[static_cast<size_t>(g.Columns() - 1)] = 15;
    if (g.Rows() > 0) g.RowHeights[0] = 1;
}

void ConfigureSheetGrids(Workbook& workbook) {
    for (TSheet& sheet : workbook.Sheets)
        if (sheet.Grid) ConfigureSheetGrid(*sheet.Grid);
}

}  // namespace spf
