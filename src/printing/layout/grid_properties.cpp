#include "printing/layout/grid_properties.h"

#include <algorithm>

#include "model/display_text.h"
#include "model/grid.h"
#include "model/workbook.h"
#include "workbench/core/merged_block.h"

namespace spf::print {

TGridProperties::TGridProperties(const Workbook& book, const spf::Grid& grid, int leftCol, int topRow,
                                 int rightCol, int bottomRow)
    : Book(&book),
      Grid(&grid),
      // A range is cut to its sheet: a damaged table must not make the layout
      // measure rows that do not exist.
      LeftCol(std::max(0, leftCol)),
      TopRow(std::max(0, topRow)),
      RightCol(std::min(rightCol, grid.Columns() - 1)),
      BottomRow(std::min(bottomRow, grid.Rows() - 1)),
      ColCount(std::max(0, RightCol - LeftCol + 1)),
      RowCount(std::max(0, BottomRow - TopRow + 1)),
      ColumnKinds(static_cast<size_t>(ColCount), kAmountColumn),
      PrintColWidths(static_cast<size_t>(ColCount)),
      PrintColLefts(static_cast<size_t>(ColCount)),
      PrintRowHeights(static_cast<size_t>(RowCount)) {}

bool TGridProperties::English() const { return Book->LangID == 1; }

std::string TGridProperties::ShownText(int c, int i) const {
    return CellDisplayText(*Book, *Grid, LeftCol + c, TopRow + i);
}

const TCellProps* TGridProperties::Props(int c, int i) const {
    const int col = LeftCol + c, row = TopRow + i;
    return Grid->Contains(col, row) ? Grid->At(col, row).Props.get() : nullptr;
}

bool TGridProperties::IsMerged(int c, int i) const { return IsMergedCell(*Grid, LeftCol + c, TopRow + i); }

bool TGridProperties::IsBlockBase(int c, int i) const { return IsMerged(c, i) && Props(c, i)->Base; }

TGridProperties::RangeBlock TGridProperties::BlockInRange(int c, int i) const {
    const CellBlock b = BlockOf(*Grid, LeftCol + c, TopRow + i);
    return {std::max(0, b.left - LeftCol), std::max(0, b.top - TopRow),
            std::min(ColCount - 1, b.right - LeftCol), std::min(RowCount - 1, b.bottom - TopRow)};
}

int TGridProperties::Indent(int c, int i) const {
    const TCellProps* p = Props(c, i);
    return p ? std::max(0, p->Indent) : 0;
}

}  // namespace spf::print
