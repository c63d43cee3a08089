// Repairs of sheet contents made after every load, so that documents saved
// by older versions show today's labels, formats and tax formulas.
#pragma once

#include "model/workbook.h"

namespace spf {

// nota_03, nota_17, nota_10, nota_25, nota_13, then the Wykaz_not headings.
void ApplyContentRepairs(Workbook& workbook);

}  // namespace spf
