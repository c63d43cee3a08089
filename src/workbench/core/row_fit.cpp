#include "workbench/core/row_fit.h"

#include "model/display_text.h"
#include "model/workbook.h"
#include "workbench/core/indent_prefix.h"
#include "workbench/core/merged_block.h"

namespace spf {

namespace {

int Width(const Grid& g, int c) { return g.ColWidths[static_cast<size_t>(c)]; }
int& Height(Grid& g, int r) { return g.RowHeights[static_cast<size_t>(r)]; }

// A merged block is measured at its last cell, once the rows above it are
// fitted: only what its rows lack together is added to its last row.
void FitBlock(const Workbook& wb, Grid& g, int c, int r, const CellBlock& block, int indent,
              const WrappedTextHeight& measure) {
    int width = 0, height = 0;
    for (int x = block.left; x <= block.right; ++x) width += Width(g, x);
    for (int y = block.top; y <= block.bottom; ++y) height += Height(g, y);
    if (width <= 0) return;
    const int boxH = height - kMeasureMargin;
    const int h =
        measure(c, r, true, width - kMeasureMargin - indent, CellDisplayText(wb, g, block.left, block.top));
    if (h + kMeasureMargin > boxH) Height(g, block.bottom) += h + kMeasureMargin - boxH;
}

}  // namespace

void FitRowHeights(const Workbook& wb, Grid& g, const WrappedTextHeight& measure) {
    for (int r = 1; r < g.Rows(); ++r) {
        Height(g, r) = 0;
        for (int c = 1; c < g.Columns(); ++c) {
            try {
                const TCellProps* p = g.At(c, r).Props.get();
                const int indent = p ? p->Indent * kIndentStep : 0;
                if (IsMergedCell(g, c, r)) {
                    const CellBlock block = BlockOf(g, c, r);
                    if (block.bottom == r && block.right == c) FitBlock(wb, g, c, r, block, indent, measure);
                    continue;
                }
                // A hidden column shows nothing, so its text needs no room.
                if (Width(g, c) <= 0) continue;
                const int h =
                    measure(c, r, false, Width(g, c) - kMeasureMargin - indent, CellDisplayText(wb, g, c, r));
                int needed = h + kMeasureMargin;
                if (needed < g.DefaultRowHeight) needed = g.DefaultRowHeight - kMeasureMargin;
                if (needed > Height(g, r)) Height(g, r) = needed;
            } catch (...) {
                // A cell that cannot be measured keeps the row as it is.
            }
        }
    }
}

}  // namespace spf
