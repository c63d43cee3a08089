#include "period/core/general_data_edit.h"

#include <algorithm>
#include <cmath>

#include "formula/recalculator.h"
#include "model/sheet_names.h"
#include "model/workbook.h"
#include "period/core/period_texts.h"

namespace spf {

namespace {

// The sheets that carry the place-and-date and the preparer lines.
constexpr size_t kSignedSheets = 7;

DateDays Day(double stored) { return static_cast<DateDays>(std::trunc(stored)); }

void SetText(Grid* grid, int col, int row, const std::string& text) {
    if (grid && grid->Contains(col, row)) grid->At(col, row).Cells = text;
}

void WriteSignatures(Workbook& workbook) {
    const std::string placeAndDate =
        PlaceAndDateLine(workbook.Header.Miasto, Day(workbook.Header.DataSporzadzenia));
    const size_t count = std::min(kSignedSheets, workbook.Sheets.size());
    for (size_t i = 0; i < count; ++i) {
        Grid* grid = workbook.Sheets[i].Grid.get();
        if (!grid || grid->Rows() < 3) continue;
        SetText(grid, 2, grid->Rows() - 3, placeAndDate);
        SetText(grid, 2, grid->Rows() - 2, workbook.Header.Osoba);
    }
}

void Recalculate(Workbook& workbook, Recalculator& recalculator, std::string_view sheet, int col, int row) {
    const int index = workbook.FindSheet(std::string(sheet));
    if (index >= 0) recalculator.CalculateCell(index, col, row);
}

}  // namespace

GeneralDataEdit GeneralDataEdit::Of(const Workbook& workbook) {
    const DocumentHeader& h = workbook.Header;
    GeneralDataEdit e;
    e.town = h.Miasto;
    e.company = h.Firma;
    e.preparer = h.Osoba;
    e.year = h.RokBiezacy;
    e.preparedOn = Day(h.DataSporzadzenia);
    e.alwaysToday = workbook.General.ZawszeDzienBiezacy;
    e.variant = ProfitLossVariantInUse(workbook);
    e.otherPeriod = workbook.General.OkresInnyNizRok;
    e.currentPeriod = workbook.General.OkresBiezacy;
    e.previousPeriod = workbook.General.OkresPoprzedni;
    e.taxRate = h.Podatek1;
    e.previousTaxRate = h.Podatek2;
    e.openingBalance = Day(h.AFBO);
    e.closingBalance = Day(h.AFBZ);
    e.shares = {h.AFAkcje1, h.AFAkcje2, h.AFAkcje3};
    e.closingAfter12Months = workbook.General.BilansZamknieciaPo12Miesiacach;
    return e;
}

std::optional<std::string> GeneralDataProblem(const GeneralDataEdit& edit) {
    if (edit.year < kFirstFinancialYear || edit.year > kLastFinancialYear)
        return "Rok musi leżeć w przedziale " + std::to_string(kFirstFinancialYear) + "–" +
               std::to_string(kLastFinancialYear) + ".";
    if (edit.taxRate < 0 || edit.taxRate > 100 || edit.previousTaxRate < 0 || edit.previousTaxRate > 100)
        return "Stawka podatku musi leżeć w przedziale 0–100%.";
    if (std::any_of(edit.shares.begin(), edit.shares.end(), [](int n) { return n < 0; }))
        return "Liczba akcji nie może być ujemna.";
    return std::nullopt;
}

void ApplyGeneralData(Workbook& workbook, const GeneralDataEdit& edit, Recalculator& recalculator,
                      const Clock& clock) {
    DocumentHeader& h = workbook.Header;
    h.Miasto = edit.town;
    h.Firma = edit.company;
    h.Osoba = edit.preparer;
    h.RokBiezacy = edit.year;
    h.DataSporzadzenia = edit.alwaysToday ? clock.Today() : edit.preparedOn;
    h.Podatek1 = edit.taxRate;
    h.Podatek2 = edit.previousTaxRate;
    h.AFBO = edit.openingBalance;
    h.AFBZ = edit.closingBalance;
    h.AFAkcje1 = edit.shares[0];
    h.AFAkcje2 = edit.shares[1];
    h.AFAkcje3 = edit.shares[2];
    GeneralData& g = workbook.General;
    g.ZawszeDzienBiezacy = edit.alwaysToday;
    g.BilansZamknieciaPo12Miesiacach = edit.closingAfter12Months;
    g.OkresInnyNizRok = edit.otherPeriod;
    g.OkresBiezacy = edit.currentPeriod;
    g.OkresPoprzedni = edit.previousPeriod;
    workbook.Saved = false;

    SetProfitLossVariant(workbook, edit.variant);
    Recalculate(workbook, recalculator, sheets::kPrzeplywyMp, 4, 6);
    Recalculate(workbook, recalculator, sheets::kPrzeplywyMp, 5, 6);
    WriteGeneralDataTexts(workbook, recalculator);
}

void WriteGeneralDataTexts(Workbook& workbook, Recalculator& recalculator) {
    WriteSignatures(workbook);
    WriteAnalysisHeadings(workbook);
    Recalculate(workbook, recalculator, sheets::kNota12, 2, 3);
    Recalculate(workbook, recalculator, sheets::kNota13, 2, 3);
}

void WriteAnalysisHeadings(Workbook& workbook) {
    const std::array<int, 3> years = AnalysisYears(workbook.Header.RokBiezacy);
    const DateDays closing = Day(workbook.Header.AFBZ);
    const auto year = [&](int i) { return std::to_string(years[static_cast<size_t>(i)]); };
    if (Grid* bilans = workbook.FindGrid(std::string(sheets::kAfBilans))) {
        for (int i = 0; i < 3; ++i) SetText(bilans, 3 + 2 * i, 3, ClosingDayIn(closing, years[size_t(i)]));
    }
    if (Grid* rzis = workbook.FindGrid(std::string(sheets::kAfRzis))) {
        for (int i = 0; i < 3; ++i)
            SetText(rzis, 3 + 2 * i, 3, "Rok kończący się " + ClosingDayIn(closing, years[size_t(i)]));
        SetText(rzis, 4, 3, "Dynamika " + year(0) + "/" + year(1));
        SetText(rzis, 6, 3, "Dynamika " + year(1) + "/" + year(2));
    }
    if (Grid* ratios = workbook.FindGrid(std::string(sheets::kAfWskazniki))) {
        SetText(ratios, 3, 4, year(0));
        SetText(ratios, 5, 4, year(1));
    }
}

}  // namespace spf
