// One printed table of the print queue: a rectangular range of one sheet,
// what goes around it, and what the layout measured for it.
#pragma once

#include <string>
#include <vector>

#include "printing/layout/page_canvas.h"

namespace spf {
class Grid;
class TCellProps;
class Workbook;
}  // namespace spf

namespace spf::print {

// The print kind of a range column; it fixes the column's printed width.
enum ColumnKind : int {
    kHiddenColumn = 0,
    kTextColumn = 1,
    kAmountColumn = 2,
    kNoteColumn = 3,
    kWideAmountColumn = 4
};

enum class OrientationDemand : int { None = 0, Portrait = 1, Landscape = 2 };

class TGridProperties {
public:
    TGridProperties(const Workbook& book, const Grid& grid, int leftCol, int topRow, int rightCol,
                    int bottomRow);

    // Where the cells come from.
    const Workbook* Book;
    const spf::Grid* Grid;
    int LeftCol, TopRow, RightCol, BottomRow;  // inside the sheet
    int ColCount, RowCount;                    // never negative: an inverted range prints no rows

    std::string Title;  // may hold CR LF; empty: no caption
    bool Selected = true;
    bool NewPage = false;
    bool RatioSheet = false;
    int StretchCol = 0;
    std::string CommentLabel;
    std::string CommentText;
    std::vector<int> ColumnKinds;  // one ColumnKind per range column
    OrientationDemand Orientation = OrientationDemand::None;
    int RepeatRows = 0;
    int StampHeight = 0;
    int SignatureHeight = 0;

    // Measured by each layout pass.
    int FontSize = 12;
    int FitWidthSize = 0;
    int FitPageSize = 0;
    std::vector<int> PrintColWidths, PrintColLefts, PrintRowHeights;
    int RowsHeight = 0, CaptionHeight = 0, CommentHeight = 0;
    int HeadHeight = 0, TailHeight = 0, TotalHeight = 0;
    // The orientation the entry was last measured in; its continuation pages take it.
    PageOrientation MeasuredOrientation = PageOrientation::Portrait;

    bool English() const;
    // The shown text and the properties of range cell (c, i); cells outside
    // the sheet are empty and have none.
    std::string ShownText(int c, int i) const;
    const TCellProps* Props(int c, int i) const;
    bool IsMerged(int c, int i) const;
    bool IsBlockBase(int c, int i) const;
    // The merged block of a base cell in range coordinates, cut to the range.
    struct RangeBlock {
        int left, top, right, bottom;
    };
    RangeBlock BlockInRange(int c, int i) const;
    int Indent(int c, int i) const;
};

}  // namespace spf::print
