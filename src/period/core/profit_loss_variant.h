// Which profit-and-loss variant a document uses: the cash flow's net profit
// (indirect method) reads the profit of the variant in use.
#pragma once

namespace spf {

class Workbook;

// In the order of the choice "Wariant Rachunku zysków i strat".
enum class ProfitLossVariant { Comparative, CostOfSales };

// "kalkulacyjny" when the net profit of `Przeplywy_mp` (4, 6) reads `RZiS_k`;
// "porównawczy" otherwise, also when the sheet or the cell is missing.
ProfitLossVariant ProfitLossVariantInUse(const Workbook& workbook);

// Points the net profit of `Przeplywy_mp` (row 6, both years) at the
// variant's net profit; nothing happens when the sheet is missing. The
// cells are not recalculated here.
void SetProfitLossVariant(Workbook& workbook, ProfitLossVariant variant);

}  // namespace spf
