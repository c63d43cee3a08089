#include "printing/layout/print_queue.h"

#include <algorithm>

#include "model/text_utils.h"
#include "printing/layout/entry_measuring.h"
#include "printing/layout/statement_blocks.h"
#include "printing/layout/table_drawing.h"

namespace spf::print {

TGridProperties& TPrintQueue::AddEntry(const Workbook& book, const Grid& grid, int leftCol, int topRow,
                                       int rightCol, int bottomRow) {
    Entries.push_back(std::make_unique<TGridProperties>(book, grid, leftCol, topRow, rightCol, bottomRow));
    return *Entries.back();
}

void TPrintQueue::Clear() {
    Entries.clear();
    CurrentY = 0;
}

void TPrintQueue::LayOutAll() {
    Canvas.ClearPages();
    CurrentY = 0;
    for (auto& e : Entries) FitToPageWidth(*this, *e);
    if (!AllowSplit)
        for (auto& e : Entries)
            if (e->Selected) FitToOnePage(*this, *e);
    if (!SameFontSize) return;
    // Only the tables that print set the common size: an unticked sheet must
    // not shrink the others.
    int smallest = 0;
    for (auto& e : Entries)
        if (e->Selected && (smallest == 0 || e->FontSize < smallest)) smallest = e->FontSize;
    if (smallest == 0) return;
    for (auto& e : Entries) e->FontSize = smallest;
    FontSize = smallest;
}

void TPrintQueue::RenderAll(const std::function<void(int, int)>& progress) {
    CurrentY = 0;
    const int count = static_cast<int>(Entries.size());
    for (int i = 0; i < count; ++i) {
        if (progress) progress(i, count);
        PlaceEntry(*Entries[static_cast<size_t>(i)]);
    }
}

void TPrintQueue::BreakPage(TGridProperties& e, int repeatedRows) {
    Canvas.NewPage();
    CurrentY = 0;
    // The table goes on in the orientation it was measured for.
    Canvas.SetOrientation(e.MeasuredOrientation);
    if (!Trim(e.Title).empty()) DrawContinuationCaption(*this, e);
    for (int r = 0; r < repeatedRows; ++r) DrawRow(*this, e, r);
}

void TPrintQueue::PlaceEntry(TGridProperties& e) {
    if (!e.Selected) return;
    Canvas.BeginUpdate();
    if (e.NewPage && CurrentY > 0) {
        Canvas.NewPage();
        CurrentY = 0;
    }
    const bool portrait = Canvas.Orientation() == PageOrientation::Portrait;
    if ((e.Orientation == OrientationDemand::Portrait && !portrait) ||
        (e.Orientation == OrientationDemand::Landscape && portrait)) {
        if (CurrentY > 0) {
            Canvas.NewPage();
            CurrentY = 0;
        }
    }
    ComputeBlockHeights(*this, e);
    const int needed = AllowSplit ? e.HeadHeight : e.TotalHeight;
    if (CurrentY > 0 && CurrentY + needed > Canvas.UsableHeight()) {
        Canvas.NewPage();
        CurrentY = 0;
        // Measured again: the new page has its own orientation and size.
        ComputeBlockHeights(*this, e);
    }
    if (e.StampHeight > 0) DrawStampBox(*this, e);
    if (e.CaptionHeight > 0)
        DrawCaption(*this, e);
    else if (CurrentY > 0)
        CurrentY += LineHeight;

    const int height = Canvas.UsableHeight();
    const auto rowHeight = [&](int i) { return e.PrintRowHeights[static_cast<size_t>(i)]; };
    // The last KeepRows rows travel with the comment and the signatures; a
    // table shorter than twice that started where it fits whole and is not cut.
    const int tailStart = e.RowCount < 2 * KeepRows ? -1 : e.RowCount - KeepRows;
    for (int i = 0; i < e.RowCount; ++i) {
        const bool rowBreak = i < tailStart && CurrentY + rowHeight(i) > height;
        const bool tailBreak = i == tailStart && CurrentY + e.TailHeight > height;
        if (AllowSplit && (rowBreak || tailBreak)) BreakPage(e, std::min(e.RepeatRows, i));
        DrawRow(*this, e, i);
    }
    // Without kept rows the comment and the signatures still need their room.
    if (AllowSplit && tailStart == e.RowCount && e.TailHeight > 0 && CurrentY + e.TailHeight > height)
        BreakPage(e, 0);
    if (e.CommentHeight > 0) DrawComment(*this, e);
    if (e.SignatureHeight > 0) {
        DrawSignatureBlock(*this, e);
        CurrentY = Canvas.UsableHeight();
    }
    Canvas.EndUpdate();
}

}  // namespace spf::print
