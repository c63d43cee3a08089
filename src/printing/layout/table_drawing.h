// Drawing a printed table at the queue's CurrentY: its rows, its caption,
// the continuation caption of a split table and the comment under it. Each
// advances CurrentY past what it drew.
#pragma once

namespace spf::print {

class TPrintQueue;
class TGridProperties;

void DrawRow(TPrintQueue& queue, const TGridProperties& entry, int row);
void DrawCaption(TPrintQueue& queue, const TGridProperties& entry);
void DrawContinuationCaption(TPrintQueue& queue, const TGridProperties& entry);
void DrawComment(TPrintQueue& queue, const TGridProperties& entry);

}  // namespace spf::print
