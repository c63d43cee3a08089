// Owner drawing of sheet cells: backgrounds, borders, merged blocks, indents,
// amounts with thousands groups, the notes-list tick and cross and the
// row-handle marker. Rectangles are cell rectangles with exclusive right and
// bottom edges, so a right border at `right` lies on the first pixel after the cell.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "workbench/core/indent_prefix.h"

class QPainter;

namespace spf {

class Workbook;
class Grid;
class GridLook;

struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
};

struct DrawState {
    bool selected = false;
    bool focused = false;
    bool fixed = false;
};

// Constants of the drawing.
inline constexpr int kPrefixGap = 5;
inline const QColor kMarkerColor{0, 128, 0};
inline const QColor kRatioBandColor{251, 237, 210};
inline const QColor kRatioRuleColor{164, 112, 15};

class CellPainter {
public:
    CellPainter(const Workbook& workbook, const Grid& grid, const GridLook& look);

    // A cell outside any merged block, without its borders.
    void drawSingle(QPainter& p, int col, int row, const CellRect& r, const DrawState& state) const;
    void drawSingleBorders(QPainter& p, int col, int row, const CellRect& r) const;
    // The text of a whole merged block, once, drawn as its base cell would.
    void drawBlock(QPainter& p, int baseCol, int baseRow, const CellRect& box, const DrawState& state) const;
    // The outer edges of the block that this cell of it lies on.
    void drawBlockBorders(QPainter& p, int col, int row, const CellRect& r) const;

    // The ratio sheets: bands, rules above every fifth row, fraction bars.
    void drawRatioSingle(QPainter& p, int col, int row, const CellRect& r, const DrawState& state) const;
    void drawRatioBlock(QPainter& p, int baseCol, int baseRow, const CellRect& box,
                        const DrawState& state) const;
    void drawRatioLines(QPainter& p, int col, int row, const CellRect& r) const;

    // Text flags of a cell: word breaks and alignment, or one line for amounts.
    int textFlags(int col, int row, int cellFormat) const;
    // The text drawn for a cell: thousands groups for amounts, CR LF as line breaks.
    QString shownText(int col, int row) const;

private:
    void fillBackground(QPainter& p, CellRect& r, const QColor& color, bool fixed) const;
    void drawIndented(QPainter& p, CellRect t, const QString& text, int flags, int indent,
                      bool mergedBlock) const;
    void drawSelectionImage(QPainter& p, int noteSel, const CellRect& r) const;

    const Workbook& workbook_;
    const Grid& grid_;
    const GridLook& look_;
};

// A line of `width` pixels from (x0, y0) to (x1, y1), end excluded, for
// horizontal and vertical lines: wider lines grow half to each side.
void DrawGridLine(QPainter& p, int x0, int y0, int x1, int y1, int width, const QColor& color);

}  // namespace spf
