// Paints the visible part of a sheet grid: fixed cells first, then the
// scrolled ones clipped below and right of the headers; merged blocks once
// each; borders over every background; the selection veil on top.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace spf {

class Workbook;
class Grid;
class GridLook;
class SheetGeometry;

struct CanvasState {
    QSize size;
    QRect selection;
    QPoint current{-1, -1};
    bool focusShown = false;  // the grid has the keyboard and no editor covers the current cell
    bool ratioDrawing = false;
    bool drawSelection = false;
    QColor highlight;
};

void PaintSheet(QPainter& p, const Workbook& workbook, const Grid& grid, const GridLook& look,
                const SheetGeometry& geometry, const CanvasState& state);

}  // namespace spf
