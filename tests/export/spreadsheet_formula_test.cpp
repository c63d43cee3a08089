// Formulas rewritten for the spreadsheet: the scale between hundredths and
// units, the program's cutting of every intermediate result, and the
// formulas that must stay values.
#include "export/spreadsheet_formula.h"

#include <gtest/gtest.h>

#include "test_sheets.h"

namespace spf {
namespace {

class SpreadsheetFormulaTest : public ::testing::Test {
protected:
    SpreadsheetFormulaTest() {
        book.Header.RokBiezacy = 2004;
        book.Header.Podatek1 = 19;
        book.Header.AFAkcje1 = 1000;
        test::AddSheet(book, "A", 6, 10);
        test::AddSheet(book, "Other", 3, 3);
        book.EnsureAllProps();
    }

    // What the exporter answers for a cell: amounts in A, column B, rows 2..4
    // as hundredths; A!C2 a count; A!B5 a text; the sheet "Other" not exported.
    static std::optional<int> Scale(int sheet, int col, int row) {
        if (sheet != 0) return std::nullopt;
        if (col == 3 && row == 2) return 0;
        if (col == 2 && row == 5) return std::nullopt;
        return 1;
    }

    std::optional<std::string> Translate(const std::string& formula) {
        return FormulaForExport(book, clock, 0, formula, &Scale);
    }

    Workbook book;
    FixedClock clock{38000};
};

TEST_F(SpreadsheetFormulaTest, WritesFormulasThatComputeTheShownFigure) {
    const struct {
        const char* formula;
        const char* expected;
    } cases[] = {
        // Sums and differences of amounts need no change.
        {"=RANGE('A!B2')", "='A'!B2"},
        {"=SUM(RANGE('A!B2'):RANGE('A!B4'))", "=SUM('A'!B2:B4)"},
        {"=Sum(Range('A!B2'):Range('A!B2'),Range('A!D2'):Range('A!D2'))", "=SUM('A'!B2:B2,'A'!D2:D2)"},
        {"=RANGE('A!B2')-IF(RANGE('A!B3')<>0,RANGE('A!B3'),RANGE('A!B4'))",
         "='A'!B2-IF('A'!B3<>0,'A'!B3,'A'!B4)"},
        // A reference without a sheet reads the sheet named last; a bare
        // number in a sum is hundredths.
        {"=RANGE('A!B2')+RANGE('B3')+5", "='A'!B2+'A'!B3+0.05"},
        // Ratios: the program's figure is in hundredths of the ratio and cut.
        {"=100*RANGE('A!B2')/RANGE('A!B3')", "=TRUNC(100*'A'!B2/'A'!B3)/100"},
        {"=RANGE('A!B2')/Sum(RANGE('A!B3'):RANGE('A!B4'))*200*100",
         "=TRUNC('A'!B2/SUM('A'!B3:B4)*200*100)/100"},
        {"=RANGE('A!B2')*10000/IF(RANGE('A!B3')>0,RANGE('A!B3'),1)",
         "=TRUNC('A'!B2*10000/IF('A'!B3>0,'A'!B3,0.01))/100"},
        // Per share and tax: amounts divided by a count, cut to the grosz.
        {"=RANGE('A!B2')/AKCJE1", "=TRUNC('A'!B2/1000,2)"},
        {"=IF(RANGE('A!B2')>0,RANGE('A!B2')*PODATEK/100,0)", "=IF('A'!B2>0,TRUNC('A'!B2*19/100,2),0)"},
        // An amount per counted item: the count is held as it is.
        {"=RANGE('A!B2')/IF(RANGE('A!C2')>0,RANGE('A!C2'),1)", "=TRUNC('A'!B2/IF('A'!C2>0,'A'!C2,1),2)"},
        // Every group is cut before the outer level sees it.
        {"=2*(7/2)", "=2*TRUNC(7/2)/100"},
        {"=ZAOKR(RANGE('A!B2'))", "=IF(MOD('A'!B2,1)=0.5,2*ROUND('A'!B2/2,0),ROUND('A'!B2,0))"},
        {"=ZAOKR(RANGE('A!B2')+RANGE('A!B3'))",
         "=IF(MOD(ROUND('A'!B2+'A'!B3,2),1)=0.5,2*ROUND(ROUND('A'!B2+'A'!B3,2)/"
         "2,0),ROUND(ROUND('A'!B2+'A'!B3,2),0))"},
        // A computed difference compared with 0 is compared at the grosz.
        {"=IF(RANGE('A!B2')-RANGE('A!B3')>0,RANGE('A!B2')-RANGE('A!B3'),0)",
         "=IF(ROUND('A'!B2-'A'!B3,2)>0,'A'!B2-'A'!B3,0)"},
        {"=RANGE('A!B2')*-1", "='A'!B2*(-1)"},
    };
    for (const auto& c : cases) EXPECT_EQ(Translate(c.formula).value_or("(value)"), c.expected) << c.formula;
}

TEST_F(SpreadsheetFormulaTest, LeavesAsValuesWhatTheSpreadsheetCouldNotComputeAlike) {
    const char* const formulas[] = {
        "=ROKA",                                               // a text
        "='Rok '+ROKA",                                        // a text
        "=RANGE('Opcje!A1')",                                  // the options sheet
        "=RANGE('A!B5')",                                      // a cell holding a text there
        "=RANGE('Other!B2')",                                  // a sheet not exported
        "=SUM(RANGE('A!B4'):RANGE('A!B2'))",                   // written right to left: fails
        "=SUM(RANGE('A!B2'):RANGE('A!B5'))",                   // a text inside the rectangle
        "=SUM(RANGE('A!B2'):RANGE('A!C2'))",                   // amounts and counts mixed
        "=RANGE('A!B2') DIV 2",                                // no such operator there
        "=RANGE('A!B2')^2",                                    //
        "=RANGE('A!B2'",                                       // unbalanced
        "=IF(RANGE('A!B2')>0,RANGE('A!B2'):RANGE('A!B3'),0)",  // a rectangle where a number goes
        "=ABS(RANGE('A!B2'))",                                 // a function the export does not carry
        "=RANGE('A!A0')",                                      // the header row
    };
    for (const char* f : formulas) EXPECT_EQ(Translate(f), std::nullopt) << f;
}

}  // namespace
}  // namespace spf
