#include "printing/layout/entry_measuring.h"

#include <algorithm>
#include <numeric>

#include "model/cell_props.h"
#include "model/grid.h"
#include "model/text_utils.h"
#include "printing/layout/print_queue.h"
#include "printing/layout/printed_amounts.h"

namespace spf::print {

namespace {

int SumOf(const std::vector<int>& v, int from, int to) {
    return std::accumulate(v.begin() + from, v.begin() + to, 0);
}

}  // namespace

void PrepareEntry(TPrintQueue& q, TGridProperties& e) {
    PageCanvas& canvas = q.Canvas;
    switch (e.Orientation) {
        case OrientationDemand::Portrait:
            canvas.SetOrientation(PageOrientation::Portrait);
            break;
        case OrientationDemand::Landscape:
            canvas.SetOrientation(PageOrientation::Landscape);
            break;
        case OrientationDemand::None:
            // A page that already holds a table keeps its orientation; turning
            // it would misplace what is on it.
            if (q.CurrentY == 0) canvas.SetOrientation(canvas.DefaultOrientation());
            break;
    }
    e.MeasuredOrientation = canvas.Orientation();
    const PrintFont font = q.Font(e);
    TextMetrics& m = q.Metrics;
    q.AmountWidth = m.TextWidth(GroupThousands("999999999999,99"), font) + q.InnerMargin;
    q.NoteWidth = m.TextWidth("Nota", font) + q.InnerMargin;
    q.IndentStep = m.TextWidth("AA", font) + q.InnerMargin;
    q.LineHeight = m.WrappedHeight("Ay", canvas.UsableWidth(), q.InnerMargin, font);
}

void ComputeColumnWidths(TPrintQueue& q, TGridProperties& e) {
    PrepareEntry(q, e);
    for (int c = 0; c < e.ColCount; ++c) {
        int& w = e.PrintColWidths[static_cast<size_t>(c)];
        switch (e.ColumnKinds[static_cast<size_t>(c)]) {
            case kHiddenColumn:
                w = 0;
                break;
            case kTextColumn:
                w = q.Canvas.UsableWidth();
                break;
            case kNoteColumn:
                w = q.NoteWidth;
                break;
            case kWideAmountColumn:
                w = 2 * q.AmountWidth;
                break;
            default:
                w = q.AmountWidth;
                break;
        }
    }
    const size_t stretch = static_cast<size_t>(e.StretchCol);
    if (stretch < e.PrintColWidths.size() && e.ColumnKinds[stretch] == kTextColumn) {
        // Text columns share what the other columns leave, the stretch column
        // taking the odd units; a lone text column takes it all. Were each to
        // claim the whole width, a second one would squeeze the first to
        // nothing and the table down to the smallest size.
        int texts = 0, others = 0;
        for (int c = 0; c < e.ColCount; ++c) {
            if (e.ColumnKinds[static_cast<size_t>(c)] == kTextColumn)
                ++texts;
            else
                others += e.PrintColWidths[static_cast<size_t>(c)];
        }
        const int leftover = q.Canvas.UsableWidth() - others;
        for (int c = 0; c < e.ColCount; ++c)
            if (e.ColumnKinds[static_cast<size_t>(c)] == kTextColumn)
                e.PrintColWidths[static_cast<size_t>(c)] = leftover / texts;
        e.PrintColWidths[stretch] += leftover % texts;
    } else if (stretch < e.PrintColWidths.size() && e.ColumnKinds[stretch] != kHiddenColumn) {
        const int all = SumOf(e.PrintColWidths, 0, e.ColCount);
        e.PrintColWidths[stretch] -= all - e.PrintColWidths[stretch];
    }
    for (int c = 0; c < e.ColCount; ++c)
        e.PrintColLefts[static_cast<size_t>(c)] = c == 0 ? 0
                                                         : e.PrintColLefts[static_cast<size_t>(c - 1)] +
                                                               e.PrintColWidths[static_cast<size_t>(c - 1)];
}

void FitToPageWidth(TPrintQueue& q, TGridProperties& e) {
    e.FontSize = q.FontSize;
    ComputeColumnWidths(q, e);
    const size_t stretch = static_cast<size_t>(e.StretchCol);
    const bool stretches = stretch < e.PrintColWidths.size() && e.ColumnKinds[stretch] != kHiddenColumn;
    while (stretches && e.PrintColWidths[stretch] < q.AmountWidth && e.FontSize > kMinFontSize) {
        --e.FontSize;
        ComputeColumnWidths(q, e);
    }
    e.FitWidthSize = e.FontSize;
}

void ComputeRowHeights(TPrintQueue& q, TGridProperties& e) {
    ComputeColumnWidths(q, e);
    TextMetrics& m = q.Metrics;
    const PrintFont font = q.Font(e);
    std::vector<int>& heights = e.PrintRowHeights;
    std::fill(heights.begin(), heights.end(), 0);
    auto textHeight = [&](int c, int i, int width) {
        return m.WrappedHeight(e.ShownText(c, i), width - e.Indent(c, i) * q.IndentStep, q.InnerMargin, font);
    };
    for (int i = 0; i < e.RowCount; ++i)
        for (int c = 0; c < e.ColCount; ++c) {
            const int w = e.PrintColWidths[static_cast<size_t>(c)];
            if (w <= 0 || e.IsMerged(c, i)) continue;
            const int h = IsAmountFormat(e.Props(c, i)) ? q.LineHeight : textHeight(c, i, w);
            heights[static_cast<size_t>(i)] = std::max(heights[static_cast<size_t>(i)], h);
        }
    // A merged block's text spans the block; what the block's rows lack goes to its top row.
    for (int i = 0; i < e.RowCount; ++i) {
        for (int c = 0; c < e.ColCount; ++c) {
            if (e.PrintColWidths[static_cast<size_t>(c)] <= 0 || !e.IsBlockBase(c, i)) continue;
            const TGridProperties::RangeBlock b = e.BlockInRange(c, i);
            const int w = SumOf(e.PrintColWidths, b.left, b.right + 1);
            const int h = SumOf(heights, b.top, b.bottom + 1);
            const int need = textHeight(c, i, w);
            if (need > h) heights[static_cast<size_t>(i)] += need - h;
        }
        heights[static_cast<size_t>(i)] = std::max(heights[static_cast<size_t>(i)], q.LineHeight);
    }
    e.RowsHeight = SumOf(heights, 0, e.RowCount);
}

void ComputeBlockHeights(TPrintQueue& q, TGridProperties& e) {
    ComputeRowHeights(q, e);
    TextMetrics& m = q.Metrics;
    const int width = q.Canvas.UsableWidth();
    e.CaptionHeight = Trim(e.Title).empty() ? 0
                                            : m.WrappedHeight("\r\n" + e.Title, width, q.InnerMargin,
                                                              q.Font(e, FontStyle::Bold)) +
                                                  q.InnerMargin / 2;
    e.CommentHeight = Trim(e.CommentText).empty()
                          ? 0
                          : m.WrappedHeight("\r\n" + e.CommentLabel + "\r\n" + e.CommentText, width,
                                            q.InnerMargin, q.Font(e));
    e.TotalHeight = e.StampHeight + e.CaptionHeight + e.RowsHeight + e.CommentHeight + e.SignatureHeight;
    const int keep = std::min(q.KeepRows, e.RowCount);
    const std::vector<int>& rows = e.PrintRowHeights;
    if (!q.AllowSplit) {
        e.HeadHeight = e.TailHeight = e.TotalHeight;
    } else {
        // A table shorter than twice the kept rows starts only where it fits whole.
        const bool shortTable = e.RowCount < 2 * q.KeepRows;
        e.HeadHeight = shortTable ? e.TotalHeight : e.StampHeight + e.CaptionHeight + SumOf(rows, 0, keep);
        e.TailHeight = e.CommentHeight + e.SignatureHeight + SumOf(rows, e.RowCount - keep, e.RowCount);
    }
}

void FitToOnePage(TPrintQueue& q, TGridProperties& e) {
    FitToPageWidth(q, e);
    for (;;) {
        ComputeBlockHeights(q, e);
        if (e.TotalHeight <= q.Canvas.UsableHeight() || e.FontSize <= kMinFontSize) break;
        --e.FontSize;
    }
    e.FitPageSize = e.FontSize;
}

}  // namespace spf::print
