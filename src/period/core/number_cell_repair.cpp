#include "period/core/number_cell_repair.h"

#include "model/amounts.h"
#include "model/text_utils.h"
#include "model/workbook.h"

namespace spf {

int SprawdzPoprawnosc(Workbook& workbook) {
    int repaired = 0;
    for (TSheet& sheet : workbook.Sheets) {
        if (!sheet.Grid) continue;
        Grid& g = *sheet.Grid;
        for (int c = 1; c < g.Columns(); ++c) {
            for (int r = 1; r < g.Rows(); ++r) {
                Cell& cell = g.At(c, r);
                if (!cell.Props || (cell.Props->CellFormat != 1 && cell.Props->CellFormat != 2)) continue;
                if (ParseCommaNumber(Trim(cell.Props->Val))) continue;
                cell.Props->Val = "0";
                cell.Cells = "0,00";
                ++repaired;
            }
        }
    }
    if (repaired > 0) workbook.Saved = false;
    return repaired;
}

}  // namespace spf
