// The consistency check: silent on the example statement, and each kind of
// disagreement found where it shows, after one change to the example.
#include "period/core/consistency_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "formula/recalculator.h"
#include "model/amounts.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"
#include "period/core/sheet_figures.h"
#include "test_paths.h"
#include "test_sheets.h"
#include "workbench/core/note_visibility.h"

namespace spf {
namespace {

std::string Describe(const std::vector<Disagreement>& list) {
    std::string out;
    for (const Disagreement& d : list)
        out += d.sheet + " (" + std::to_string(d.col) + "," + std::to_string(d.row) + ") " + d.rule + " [" +
               d.value + "]\n";
    return out;
}

// The example as the application holds it once loaded, changed, recalculated and checked.
std::vector<Disagreement> CheckExample(const std::function<void(Workbook&)>& change) {
    ReadResult read = ReadDocument(SPF_SOURCE_DIR "/examples/przyklad.spf");
    EXPECT_TRUE(read.workbook);
    if (!read.workbook) return {};
    Workbook& wb = *read.workbook;
    const FixedClock clock(DaysFromCivil({2006, 3, 15}));
    UpdateNoteVisibility(wb);
    change(wb);
    Recalculator(wb, clock).RecalculateWorkbook();
    return CheckConsistency(wb);
}

void AddToInput(Workbook& wb, const char* sheet, int col, int row, int64_t hundredths) {
    Cell& cell = wb.FindGrid(sheet)->At(col, row);
    ASSERT_TRUE(cell.Edit && cell.Props) << sheet << " " << col << "," << row;
    const int64_t value = std::stoll(cell.Props->Val) + hundredths;
    cell.Props->Val = std::to_string(value);
    cell.Cells = FormatHundredths(value);
}

// A formula cell becomes an input holding another figure.
void TypeOver(Workbook& wb, const char* sheet, int col, int row, int64_t hundredths) {
    Cell& cell = wb.FindGrid(sheet)->At(col, row);
    cell.Props->Formula.clear();
    cell.Edit = true;
    cell.Props->Val = std::to_string(hundredths);
    cell.Cells = FormatHundredths(hundredths);
}

int RowOf(Workbook& wb, const char* sheet, const char* caption) {
    return RowStartingWith(*wb.FindGrid(sheet), caption);
}

TEST(ConsistencyCheck, TheExampleStatementAgrees) {
    const auto list = CheckExample([](Workbook&) {});
    EXPECT_TRUE(list.empty()) << Describe(list);
}

struct Case {
    const char* name;
    std::function<void(Workbook&)> change;
    const char* sheet;
    int col;
    std::function<int(Workbook&)> row;
    const char* rule;                                  // the start of the rule
    bool amounts;                                      // the finding compares two amounts
    std::optional<int64_t> difference = std::nullopt;  // checked where given
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ConsistencyCheckFinds : public ::testing::TestWithParam<Case> {};

TEST_P(ConsistencyCheckFinds, TheDisagreementAtItsCell) {
    const Case& c = GetParam();
    int row = -1;
    const auto list = CheckExample([&](Workbook& wb) {
        c.change(wb);
        row = c.row(wb);
    });
    const auto found = std::find_if(list.begin(), list.end(), [&](const Disagreement& d) {
        return d.sheet == c.sheet && d.col == c.col && d.row == row && d.rule.rfind(c.rule, 0) == 0;
    });
    ASSERT_NE(found, list.end()) << "row " << row << "\n" << Describe(list);
    EXPECT_EQ(found->Difference().has_value(), c.amounts);
    if (c.difference) {
        EXPECT_EQ(found->Difference(), c.difference);
    }
}

std::function<int(Workbook&)> Row(int row) {
    return [row](Workbook&) { return row; };
}
std::function<int(Workbook&)> Row(const char* sheet, const char* caption) {
    return [=](Workbook& wb) { return RowOf(wb, sheet, caption); };
}

// Breaks a formula the way a reference to the old options sheet does.
void BreakFormula(Workbook& wb, const char* sheet, int col, int row) {
    wb.FindGrid(sheet)->At(col, row).Props->Formula = "=RANGE('Opcje!A1')*2";
}

INSTANTIATE_TEST_SUITE_P(
    Example, ConsistencyCheckFinds,
    ::testing::Values(
        Case{"AssetsAndLiabilities", [](Workbook& wb) { AddToInput(wb, "Aktywa", 4, 9, 100); }, "Pasywa", 4,
             Row("Pasywa", "Pasywa razem"), "Aktywa razem = Pasywa razem (rok bieżący)", true, -100},
        Case{"NetProfitInTheBalanceSheet",
             [](Workbook& wb) { TypeOver(wb, "Pasywa", 4, RowOf(wb, "Pasywa", "VIII."), 123); }, "Pasywa", 4,
             Row("Pasywa", "VIII."), "zysk netto RZiS_p = Pasywa A.VIII (rok bieżący)", true},
        Case{"NetProfitOfTheEquityStatement",
             [](Workbook& wb) {
                 TypeOver(wb, "Zestawienie_zm", 4, RowOf(wb, "Zestawienie_zm", "a) zysk netto"), 0);
             },
             "Zestawienie_zm", 4, Row("Zestawienie_zm", "8. Wynik netto"),
             "zysk netto RZiS_p = wynik netto Zestawienie_zm", true},
        Case{"PreviousYearsCashFlow",
             [](Workbook& wb) {
                 AddToInput(wb, "Przeplywy_mb", 5, RowOf(wb, "Przeplywy_mb", "F. Środki"), 100);
             },
             "Przeplywy_mb", 5, Row("Przeplywy_mb", "G. Środki"),
             "środki na początek okresu + przepływy netto = środki na koniec okresu (rok poprzedni)", true,
             -100},
        Case{"ClosingCashAgainstTheBalanceSheet",
             [](Workbook& wb) { TypeOver(wb, "Przeplywy_mp", 4, RowOf(wb, "Przeplywy_mp", "G. Środki"), 1); },
             "Przeplywy_mp", 4, Row("Przeplywy_mp", "G. Środki"),
             "środki pieniężne na koniec okresu = Aktywa B.III.1.c (rok bieżący)", true},
        Case{"OpeningCashAgainstLastYearsClosing",
             [](Workbook& wb) { TypeOver(wb, "Przeplywy_mp", 4, RowOf(wb, "Przeplywy_mp", "F. Środki"), 5); },
             "Przeplywy_mp", 4, Row("Przeplywy_mp", "F. Środki"),
             "środki pieniężne na początek okresu = środki na koniec poprzedniego roku", true},
        Case{"ClosingEquity", [](Workbook& wb) { AddToInput(wb, "Zestawienie_zm", 4, 8, 100); },
             "Zestawienie_zm", 4, Row("Zestawienie_zm", "II. Kapitał"),
             "kapitał własny na koniec okresu (Zestawienie_zm) = Pasywa A (rok poprzedni)", true, 100},
        Case{"LiabilitiesWithEquityDetail",
             [](Workbook& wb) { TypeOver(wb, "Pasywa_kw", 5, RowOf(wb, "Pasywa_kw", "VIII."), 1); },
             "Pasywa_kw", 5, Row("Pasywa_kw", "VIII."), "Pasywa_kw = Pasywa: VIII. Zysk (strata) netto",
             true},
        Case{"NoteCheckRow", [](Workbook& wb) { TypeOver(wb, "nota_16", 4, 5, 14000000 + 250); }, "nota_16",
             4, Row("nota_16", "Różnica w stosunku do bilansu"), "Różnica w stosunku do bilansu (poz. B.I)",
             true, 250},
        Case{"ReferenceToANoteLeftOut",
             [](Workbook& wb) {
                 // nota_12 is the 14th listed note; its box is cleared without a refresh.
                 wb.FindGrid("Wykaz_not")->At(2, 4 + 13).Props->NoteSel = kNoteNotSelected;
             },
             "Aktywa", 3, Row(6), "odwołanie do noty", false},
        Case{"NoteWithFiguresWithoutItsNumber",
             [](Workbook& wb) { wb.FindGrid("nota_19")->At(2, 2).Cells.clear(); }, "nota_19", 2, Row(2),
             "nota z kwotami", false},
        Case{"FailedFormula", [](Workbook& wb) { BreakFormula(wb, "nota_16", 4, 10); }, "nota_16", 4, Row(10),
             "formuła nie dała wyniku", false},
        // Formulas give whole hundredths; a figure finer than the grosz
        // comes with a file whose inputs were written by other means.
        Case{"AmountBeyondTheGrosz",
             [](Workbook& wb) { wb.FindGrid("nota_16")->At(4, 14).Props->Val = "100000,5"; }, "nota_16", 4,
             Row(14), "kwota z więcej niż dwoma", false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ConsistencyCheck, SheetsOrRowsMissingGiveNoFalseAlarms) {
    Workbook empty;
    EXPECT_TRUE(CheckConsistency(empty).empty());
    Workbook partial;
    Grid& assets = *test::AddSheet(partial, "Aktywa", 7, 10).Grid;
    assets.At(2, 5).Cells = "Aktywa razem";
    assets.At(4, 5).EnsureProps().CellFormat = 2;
    assets.At(4, 5).Props->Val = "100";
    test::AddSheet(partial, "Pasywa", 3, 2);  // too small for any figure
    EXPECT_TRUE(CheckConsistency(partial).empty()) << Describe(CheckConsistency(partial));
}

TEST(ConsistencyAmounts, WrittenWithTheirDecimals) {
    EXPECT_EQ(AmountText(123456, '.'), "1234.56");
    EXPECT_EQ(AmountText(-5, ','), "-0,05");
    EXPECT_EQ(AmountText(0, '.'), "0.00");
    EXPECT_EQ(AmountText(INT64_MIN, '.'), "-92233720368547758.08");
    EXPECT_EQ(HundredthsValueAsAmount("123456,7", ','), "1234,567");
    EXPECT_EQ(HundredthsValueAsAmount("-33,3333", '.'), "-0.333333");
    EXPECT_EQ(HundredthsValueAsAmount("5", ','), "0,05");
    EXPECT_EQ(HundredthsValueAsAmount("###", '.'), "###");
}

}  // namespace
}  // namespace spf
