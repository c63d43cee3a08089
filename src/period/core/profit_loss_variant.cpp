#include "period/core/profit_loss_variant.h"

#include "model/sheet_names.h"
#include "model/workbook.h"

namespace spf {

ProfitLossVariant ProfitLossVariantInUse(const Workbook& workbook) {
    const Grid* flows = workbook.FindGrid(std::string(sheets::kPrzeplywyMp));
    if (!flows || !flows->Contains(4, 6)) return ProfitLossVariant::Comparative;
    const TCellProps* props = flows->At(4, 6).Props.get();
    const bool costOfSales = props && props->Formula.find(sheets::kRzisK) != std::string::npos;
    return costOfSales ? ProfitLossVariant::CostOfSales : ProfitLossVariant::Comparative;
}

void SetProfitLossVariant(Workbook& workbook, ProfitLossVariant variant) {
    Grid* flows = workbook.FindGrid(std::string(sheets::kPrzeplywyMp));
    if (!flows || !flows->Contains(5, 6)) return;
    const bool costOfSales = variant == ProfitLossVariant::CostOfSales;
    flows->At(4, 6).EnsureProps().Formula = costOfSales ? "=RANGE('RZiS_k!D47')" : "=RANGE('RZiS_p!D52')";
    flows->At(5, 6).EnsureProps().Formula = costOfSales ? "=RANGE('RZiS_k!E47')" : "=RANGE('RZiS_p!E52')";
}

}  // namespace spf
