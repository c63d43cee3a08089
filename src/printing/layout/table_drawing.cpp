#include "printing/layout/table_drawing.h"

#include <numeric>

#include "model/cell_props.h"
#include "model/grid.h"
#include "model/text_utils.h"
#include "printing/layout/print_queue.h"
#include "printing/layout/printed_amounts.h"
#include "workbench/core/indent_prefix.h"

namespace spf::print {

namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";

struct CellLook {
    std::string text;
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Top;
};

CellLook LookOf(const TPrintQueue& q, const TGridProperties& e, int c, int i) {
    CellLook look{e.ShownText(c, i)};
    const int col = e.LeftCol + c, row = e.TopRow + i;
    if (e.Grid->Contains(col, row)) {
        const Alignment a = e.Grid->At(col, row).CellAlignment;
        look.h = a == Alignment::Center  ? HAlign::Center
                 : a == Alignment::Right ? HAlign::Right
                                         : HAlign::Left;
    }
    const TCellProps* p = e.Props(c, i);
    switch (p ? p->CellFormat : 0) {
        case 1:
            look.v = VAlign::Bottom;
            look.h = HAlign::Right;
            look.text = PrintedAmount(look.text, q.WholeZloty);
            break;
        case 2:
            look.h = HAlign::Center;
            look.text = PrintedAmount(look.text, q.WholeZloty);
            break;
        case 3:
            look.v = VAlign::Bottom;
            look.h = HAlign::Right;
            break;
        default:
            break;
    }
    return look;
}

}  // namespace

void DrawRow(TPrintQueue& q, const TGridProperties& e, int i) {
    PageCanvas& canvas = q.Canvas;
    const PrintFont font = q.Font(e);
    const int y = q.CurrentY;
    const auto& widths = e.PrintColWidths;
    for (int c = 0; c < e.ColCount; ++c) {
        if (widths[static_cast<size_t>(c)] <= 0) continue;
        if (e.IsMerged(c, i) && !e.IsBlockBase(c, i)) continue;
        Box box{e.PrintColLefts[static_cast<size_t>(c)], y, 0, 0};
        if (e.IsMerged(c, i)) {
            const TGridProperties::RangeBlock b = e.BlockInRange(c, i);
            box.left = e.PrintColLefts[static_cast<size_t>(b.left)];
            box.right = box.left + std::accumulate(widths.begin() + b.left, widths.begin() + b.right + 1, 0);
            box.bottom = y + std::accumulate(e.PrintRowHeights.begin() + b.top,
                                             e.PrintRowHeights.begin() + b.bottom + 1, 0);
        } else {
            box.right = box.left + widths[static_cast<size_t>(c)];
            box.bottom = y + e.PrintRowHeights[static_cast<size_t>(i)];
        }
        CellLook look = LookOf(q, e, c, i);
        const int indent = e.Indent(c, i) * q.IndentStep;
        std::string marker;
        if (indent > 0) {
            IndentSplit split = SplitIndentPrefix(look.text, false);
            marker = split.prefix == "-" ? std::string(kEnDash) : std::move(split.prefix);
            look.text = std::move(split.text);
        }
        const TCellProps* p = e.Props(c, i);
        if (p && p->CellLeftWidth > 0) canvas.Line(box.left, box.top, box.left, box.bottom);
        if (p && p->CellRightWidth > 0) canvas.Line(box.right, box.top, box.right, box.bottom);
        if (p && p->CellTopWidth > 0) canvas.Line(box.left, box.top, box.right, box.top);
        // The ratio sheet is ruled every five rows to guide the eye along its long lines.
        if ((p && p->CellBottomWidth > 0) || (e.RatioSheet && c == 0 && i % 5 == 4))
            canvas.Line(box.left, box.bottom, box.right, box.bottom);
        const int top = box.top - q.InnerMargin / 2;
        if (!marker.empty())
            canvas.TextBox(marker, font, HAlign::Right, VAlign::Top,
                           {box.left, top, box.left + indent, box.bottom}, q.InnerMargin);
        canvas.TextBox(look.text, font, look.h, e.RatioSheet ? VAlign::Center : look.v,
                       {box.left + indent, top, box.right, box.bottom}, q.InnerMargin);
    }
    q.CurrentY += e.PrintRowHeights[static_cast<size_t>(i)];
}

void DrawCaption(TPrintQueue& q, const TGridProperties& e) {
    q.Canvas.TextBox("\r\n" + e.Title, q.Font(e, FontStyle::Bold), HAlign::Left, VAlign::Top,
                     {0, q.CurrentY + 1, q.Canvas.UsableWidth(), q.CurrentY + e.CaptionHeight},
                     q.InnerMargin);
    q.CurrentY += e.CaptionHeight + 1;
}

void DrawContinuationCaption(TPrintQueue& q, const TGridProperties& e) {
    const char* suffix =
        e.English() ? " - continuation from previous page" : " - ci\xC4\x85g dalszy z poprzedniej strony";
    q.Canvas.TextBox(e.Title + suffix, q.Font(e, FontStyle::Italic), HAlign::Left, VAlign::Bottom,
                     {0, q.CurrentY + 1, q.Canvas.UsableWidth(), q.CurrentY + e.CaptionHeight},
                     q.InnerMargin);
    q.CurrentY += e.CaptionHeight + 1;
}

void DrawComment(TPrintQueue& q, const TGridProperties& e) {
    q.Canvas.TextBox("\r\n" + e.CommentLabel + "\r\n" + e.CommentText, q.Font(e), HAlign::Left, VAlign::Top,
                     {0, q.CurrentY + 1, q.Canvas.UsableWidth(), q.CurrentY + e.CommentHeight},
                     q.InnerMargin);
    q.CurrentY += e.CommentHeight + 1;
}

}  // namespace spf::print
