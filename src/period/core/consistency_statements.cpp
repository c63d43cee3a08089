// The statements against each other: the balance sheet, the net profit, the
// cash and the equity.
#include <array>

#include "model/sheet_names.h"
#include "model/workbook.h"
#include "period/core/consistency_rules.h"
#include "period/core/profit_loss_variant.h"
#include "period/core/sheet_figures.h"

namespace spf {

namespace {

// Amount columns of the statements and of the equity statements, this year and last.
constexpr std::array<int, 2> kStatementColumns{4, 5};
constexpr std::array<int, 2> kEquityColumns{3, 4};

std::string InYear(const std::string& rule, size_t year) {
    return rule + (year == 0 ? " (rok bieżący)" : " (rok poprzedni)");
}

void BalanceSheet(const Workbook& wb, Findings& f) {
    for (size_t y = 0; y < 2; ++y) {
        const int c = kStatementColumns[y];
        f.Equal(InYear("Aktywa razem = Pasywa razem", y), FigureOf(wb, sheets::kAktywa, c, "Aktywa razem"),
                FigureOf(wb, sheets::kPasywa, c, "Pasywa razem"));
    }
}

void NetProfit(const Workbook& wb, Findings& f) {
    const bool costOfSales = ProfitLossVariantInUse(wb) == ProfitLossVariant::CostOfSales;
    const std::string sheet(costOfSales ? sheets::kRzisK : sheets::kRzisP);
    const std::string line = costOfSales ? "R. Zysk (strata) netto" : "N. Zysk (strata) netto";
    const std::string source = "zysk netto " + sheet + " = ";
    for (size_t y = 0; y < 2; ++y) {
        const Figure profit = FigureOf(wb, sheet, kStatementColumns[y], line);
        if (!profit.Found()) return;
        const auto amount = AmountAt(*profit.grid, profit.col, profit.row);
        f.Equal(InYear(source + "Pasywa A.VIII", y), amount,
                FigureOf(wb, sheets::kPasywa, kStatementColumns[y], "VIII. Zysk (strata) netto"));
        f.Equal(InYear(source + "zysk netto Przeplywy_mp", y), amount,
                FigureOf(wb, sheets::kPrzeplywyMp, kStatementColumns[y], "I. Zysk (strata) netto"));
        // The equity statement shows the result as a profit (a) or a loss (b).
        const Figure result = FigureOf(wb, sheets::kZestawienieZm, kEquityColumns[y], "8. Wynik netto");
        if (!amount || !result.Found()) continue;
        const auto profitLine = AmountAt(*result.grid, result.col, result.row + 1);
        const auto lossLine = AmountAt(*result.grid, result.col, result.row + 2);
        if (!profitLine || !lossLine || *profitLine - *lossLine == *amount) continue;
        f.Add({result.sheet,
               result.col,
               result.row,
               InYear(source + "wynik netto Zestawienie_zm (zysk netto - strata netto)", y),
               amount,
               *profitLine - *lossLine,
               {}});
    }
}

// A cash-flow statement counts when any of its typed amounts is not zero:
// a company fills one of the two methods.
bool IsFilled(const Grid& g) {
    for (int r = 5; r < g.Rows(); ++r)
        for (int c : kStatementColumns) {
            if (!g.Contains(c, r) || !g.At(c, r).Edit || !IsAmountCell(g.At(c, r))) continue;
            const auto amount = AmountAt(g, c, r);
            if (amount && *amount != 0) return true;
        }
    return false;
}

void Cash(const Workbook& wb, Findings& f) {
    for (const std::string_view sheet : {sheets::kPrzeplywyMb, sheets::kPrzeplywyMp}) {
        const Grid* g = wb.FindGrid(std::string(sheet));
        if (!g || !IsFilled(*g)) continue;
        for (size_t y = 0; y < 2; ++y) {
            const int c = kStatementColumns[y];
            const Figure opening = FigureOf(wb, sheet, c, "F. Środki pieniężne na początek okresu");
            const Figure flows = FigureOf(wb, sheet, c, "D. Przepływy pieniężne netto razem");
            const Figure closing = FigureOf(wb, sheet, c, "G. Środki pieniężne na koniec okresu");
            f.Equal(InYear("środki pieniężne na koniec okresu = Aktywa B.III.1.c", y),
                    FigureOf(wb, sheets::kAktywa, c, "c) środki pieniężne i inne aktywa pieniężne"), closing);
            if (opening.Found() && flows.Found()) {
                const auto start = AmountAt(*g, c, opening.row);
                const auto net = AmountAt(*g, c, flows.row);
                if (start && net)
                    f.Equal(
                        InYear("środki na początek okresu + przepływy netto = środki na koniec okresu", y),
                        *start + *net, closing);
            }
        }
        f.Equal("środki pieniężne na początek okresu = środki na koniec poprzedniego roku",
                FigureOf(wb, sheet, kStatementColumns[1], "G. Środki pieniężne na koniec okresu"),
                FigureOf(wb, sheet, kStatementColumns[0], "F. Środki pieniężne na początek okresu"));
    }
}

void Equity(const Workbook& wb, Findings& f) {
    for (size_t y = 0; y < 2; ++y) {
        f.Equal(InYear("kapitał własny na koniec okresu (Zestawienie_zm) = Pasywa A", y),
                FigureOf(wb, sheets::kPasywa, kStatementColumns[y], "A. Kapitał (fundusz) własny"),
                FigureOf(wb, sheets::kZestawienieZm, kEquityColumns[y],
                         "II. Kapitał (fundusz) własny na koniec okresu"));
    }
    f.Equal("kapitał własny na początek okresu (Zestawienie_zm) = Pasywa A roku poprzedniego",
            FigureOf(wb, sheets::kPasywa, kStatementColumns[1], "A. Kapitał (fundusz) własny"),
            FigureOf(wb, sheets::kZestawienieZm, kEquityColumns[0],
                     "I. Kapitał (fundusz) własny na początek okresu"));
}

// Pasywa_kw presents the same figures as Pasywa, row for row.
void LiabilitiesWithEquityDetail(const Workbook& wb, Findings& f) {
    const Grid* pasywa = wb.FindGrid(std::string(sheets::kPasywa));
    const Grid* detail = wb.FindGrid(std::string(sheets::kPasywaKw));
    if (!pasywa || !detail) return;
    for (int r = 5; r < detail->Rows() && r < pasywa->Rows(); ++r)
        for (size_t y = 0; y < 2; ++y) {
            const int c = kStatementColumns[y];
            if (!detail->Contains(c, r) || !pasywa->Contains(c, r) || !IsAmountCell(detail->At(c, r)) ||
                !IsAmountCell(pasywa->At(c, r)))
                continue;
            f.Equal(InYear("Pasywa_kw = Pasywa: " + std::string(Caption(*detail, r)), y),
                    AmountAt(*pasywa, c, r), Figure{detail, std::string(sheets::kPasywaKw), c, r});
        }
}

}  // namespace

void CheckStatements(const Workbook& workbook, Findings& findings) {
    BalanceSheet(workbook, findings);
    NetProfit(workbook, findings);
    Cash(workbook, findings);
    Equity(workbook, findings);
    LiabilitiesWithEquityDetail(workbook, findings);
}

}  // namespace spf
