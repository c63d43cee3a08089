// The cells of one sheet with the grid-side attributes the file carries.
// Column 0 and row 0 are headers; content lives in 1..Columns-1 x 1..Rows-1.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/cell_props.h"
#include "model/colors.h"

namespace spf {

enum class Alignment : uint8_t { Left, Center, Right };

struct Cell {
    std::string Cells;  // the text the grid holds
    int32_t CellColor = kSheetColor;
    Alignment CellAlignment = Alignment::Left;
    bool CellBold = false;
    bool CellItalic = false;
    bool HasFontColor = false;  // the cell's own font colour replaces the grid's
    int32_t FontColor = kBlackColor;
    bool Edit = false;
    std::string HintCell;
    std::unique_ptr<TCellProps> Props;

    // The properties, created empty when the cell has none.
    TCellProps& EnsureProps();
};

// Formats 1 and 2: an amount, brought to two decimals and drawn in groups.
inline bool IsAmountFormat(const TCellProps* props) {
    return props && (props->CellFormat == 1 || props->CellFormat == 2);
}
inline bool IsAmountCell(const Cell& cell) { return IsAmountFormat(cell.Props.get()); }

class Grid {
public:
    Grid();

    int Columns() const { return columns_; }
    int Rows() const { return static_cast<int>(cells_.size()); }

    // Resizing keeps existing cells and writes the header letters / numbers.
    void SetColumns(int columns);
    void SetRows(int rows);
    void InsertRow(int before);
    void DeleteRow(int row);

    bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < columns_ && row < Rows(); }
    Cell& At(int col, int row) { return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)]; }
    const Cell& At(int col, int row) const {
        return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }

    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    int DefaultRowHeight = 24;
    int DefaultColWidth = 64;
    std::string FontName = "Arial";
    int FontSize = 10;
    bool WordWrap = true;
    int32_t Color = kSheetColor;

private:
    void WriteHeaders();

    int columns_ = 0;
    std::vector<std::vector<Cell>> cells_;  // [row][column]
};

}  // namespace spf
