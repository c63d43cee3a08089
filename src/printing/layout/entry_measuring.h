// Measuring one queue entry: reference measures, column widths, row and
// block heights, and the font sizes that make it fit the page.
#pragma once

namespace spf::print {

class TPrintQueue;
class TGridProperties;

// Sets the page orientation and the queue's reference measures for the entry.
void PrepareEntry(TPrintQueue& queue, TGridProperties& entry);
void ComputeColumnWidths(TPrintQueue& queue, TGridProperties& entry);
void ComputeRowHeights(TPrintQueue& queue, TGridProperties& entry);
void ComputeBlockHeights(TPrintQueue& queue, TGridProperties& entry);
// Lowers the entry's size from the queue's until its text column is as wide as an amount.
void FitToPageWidth(TPrintQueue& queue, TGridProperties& entry);
// Lowers it further until the whole entry fits one page.
void FitToOnePage(TPrintQueue& queue, TGridProperties& entry);

}  // namespace spf::print
