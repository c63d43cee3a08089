#include "workbench/view/sheet_canvas.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "model/grid.h"
#include "workbench/core/merged_block.h"
#include "workbench/view/cell_painter.h"
#include "workbench/view/grid_look.h"
#include "workbench/view/sheet_geometry.h"

namespace spf {

namespace {

CellRect ToCellRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

void PaintSheet(QPainter& p, const Workbook& workbook, const Grid& g, const GridLook& look,
                const SheetGeometry& geo, const CanvasState& state) {
    if (geo.columns() == 0 || geo.rows() == 0) return;
    const CellPainter painter(workbook, g, look);
    const int fixedCols = geo.fixedCols(), fixedRows = geo.fixedRows();

    std::vector<int> cols, rows;
    for (int c = 0; c < fixedCols; ++c) cols.push_back(c);
    for (int c = geo.firstScrolled().x(); c < geo.columns() && geo.colX(c) < state.size.width(); ++c)
        cols.push_back(c);
    for (int r = 0; r < fixedRows; ++r) rows.push_back(r);
    for (int r = geo.firstScrolled().y(); r < geo.rows() && geo.rowY(r) < state.size.height(); ++r)
        rows.push_back(r);

    const QRect scrolled(geo.fixedWidth() - 1, geo.fixedHeight() - 1, state.size.width(),
                         state.size.height());
    std::vector<CellBlock> blocks;
    auto contentPass = [&](bool fixedPass) {
        for (int r : rows)
            for (int c : cols) {
                const bool fixed = look.isFixed(c, r);
                if (fixed != fixedPass) continue;
                if (IsMergedCell(g, c, r)) {
                    const CellBlock b = BlockOf(g, c, r);
                    if (std::none_of(blocks.begin(), blocks.end(),
                                     [&](const CellBlock& x) { return x.left == b.left && x.top == b.top; }))
                        blocks.push_back(b);
                    continue;
                }
                DrawState drawState;
                drawState.fixed = fixed;
                drawState.selected = state.selection.contains(c, r);
                drawState.focused = state.focusShown && state.current == QPoint(c, r);
                const CellRect rect = ToCellRect(geo.cellRect(c, r));
                if (state.ratioDrawing)
                    painter.drawRatioSingle(p, c, r, rect, drawState);
                else
                    painter.drawSingle(p, c, r, rect, drawState);
            }
        for (const CellBlock& b : blocks) {
            DrawState drawState;
            drawState.fixed = look.isFixed(b.left, b.top);
            const CellRect box = ToCellRect(geo.blockRect(b));
            if (state.ratioDrawing)
                painter.drawRatioBlock(p, b.left, b.top, box, drawState);
            else
                painter.drawBlock(p, b.left, b.top, box, drawState);
        }
        blocks.clear();
        // Borders go over every background, so no neighbour's fill hides them.
        for (int r : rows)
            for (int c : cols) {
                if (look.isFixed(c, r) != fixedPass) continue;
                const CellRect rect = ToCellRect(geo.cellRect(c, r));
                if (state.ratioDrawing) {
                    if (!IsMergedCell(g, c, r)) painter.drawRatioLines(p, c, r, rect);
                } else if (IsMergedCell(g, c, r)) {
                    painter.drawBlockBorders(p, c, r, rect);
                } else {
                    painter.drawSingleBorders(p, c, r, rect);
                }
            }
    };
    contentPass(true);
    p.save();
    p.setClipRect(scrolled);
    contentPass(false);
    if (state.drawSelection && !state.selection.isEmpty()) {
        const CellBlock sel{state.selection.left(), state.selection.top(), state.selection.right(),
                            state.selection.bottom()};
        p.fillRect(geo.blockRect(sel), state.highlight);
    }
    p.restore();
}

}  // namespace spf
