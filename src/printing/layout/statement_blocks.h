// The two blocks a statement carries beside its table: the entity-stamp box
// at the top of its first page and the signature block under it.
#pragma once

namespace spf::print {

class TPrintQueue;
class TGridProperties;

// Drawn at the top-left of the usable area; CurrentY grows by the box height.
void DrawStampBox(TPrintQueue& queue, const TGridProperties& entry);
// Place and date, the preparer and the head of the entity, in two bands;
// below two thirds of the page it moves to the page bottom. CurrentY stays.
void DrawSignatureBlock(TPrintQueue& queue, const TGridProperties& entry);

}  // namespace spf::print
