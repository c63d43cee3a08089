// The grid-side property records of a sheet grid: alignment, word wrap, edit
// permission, font and brush per cell, per column and per row (a fixed and a
// normal set each), and the grid-wide defaults, with the inheritance that
// decides the effective value of a cell.
//
// A cell's own record is the model cell: alignment left, no edit permission,
// the grid colour and a plain font are the file's defaults and so mean "inherit".
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>
#include <optional>
#include <vector>

namespace spf {

class Grid;

enum class TMyAlign : uint8_t { alRight = 0, alLeft = 1, alCenter = 2, alDefault = 3 };
enum class T_Wordwrap : uint8_t { ww_none = 0, ww_wordwrap = 1, ww_ellipsis = 2, ww_default = 3 };
enum class EditPermission : uint8_t { Inherit, NotEditable, Editable };

// The Qt horizontal alignment of an effective alignment; left unless centred or right.
Qt::Alignment HorizontalAlignment(TMyAlign align);

struct PropertyRecord {
    TMyAlign align = TMyAlign::alDefault;
    T_Wordwrap wordwrap = T_Wordwrap::ww_default;
    EditPermission edit = EditPermission::Inherit;
    std::optional<QFont> font;
    std::optional<QColor> fontColor;
    std::optional<QColor> brush;
};

class GridLook {
public:
    explicit GridLook(Grid& grid);

    Grid& grid() const { return *grid_; }

    // Grid-wide values.
    TMyAlign align = TMyAlign::alLeft;
    T_Wordwrap wordwrap = T_Wordwrap::ww_none;
    bool editable = true;
    QFont font;
    QColor fontColor{Qt::black};
    QColor color;
    QFont fixedFont;
    QColor fixedColor;
    int fixedCols = 1;
    int fixedRows = 1;

    bool isFixed(int col, int row) const { return col < fixedCols || row < fixedRows; }

    // Column and row records; `fixed` picks the set consulted for fixed cells
    // (AlignCol / FixedAlignCol, EditRow, FontFixedRow ...).
    PropertyRecord& column(int col, bool fixed = false);
    PropertyRecord& row(int row, bool fixed = false);

    // The cell's own record, as stored in the model.
    TMyAlign AlignCell(int col, int row) const;
    void setAlignCell(int col, int row, TMyAlign align);
    void setEditCell(int col, int row, bool editable);
    // The cell's own font, created as the grid font when it has none.
    QFont FontCell(int col, int row);
    void setFontCell(int col, int row, const QFont& font, const QColor& color);
    void setColorCell(int col, int row, const QColor& color);
    void setHintCell(int col, int row, const QString& hint);

    // Effective values, following cell, column, row, grid.
    TMyAlign effectiveAlign(int col, int row) const;
    T_Wordwrap effectiveWordwrap(int col, int row) const;
    bool effectiveEditable(int col, int row) const;
    QFont effectiveFont(int col, int row) const;
    QColor effectiveFontColor(int col, int row) const;
    QColor ColorCell(int col, int row) const;
    bool hasOwnFont(int col, int row) const;

    // Rows move with their records when rows are inserted or deleted.
    void insertRow(int row);
    void deleteRow(int row);

private:
    const PropertyRecord* columnRecord(int col, bool fixed) const;
    const PropertyRecord* rowRecord(int row, bool fixed) const;
    template <typename Pick>
    auto inherited(int col, int row, Pick pick) const;

    Grid* grid_;
    std::vector<PropertyRecord> columns_[2];  // [0] normal, [1] fixed
    std::vector<PropertyRecord> rows_[2];
};

// A model colour (0x00BBGGRR, system colours with the top bit) as a Qt colour.
QColor ToQColor(int32_t color);
int32_t FromQColor(const QColor& color);

}  // namespace spf
