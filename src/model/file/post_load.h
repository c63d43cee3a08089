// The steps after every load that concern the document, not the screen.
#pragma once

#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

// The template's date of preparation becomes today; every cell gets
// properties; header and margin widths are fixed; contents are repaired.
void RunPostLoadSteps(Workbook& workbook, bool isTemplate, const Clock& clock);

}  // namespace spf
