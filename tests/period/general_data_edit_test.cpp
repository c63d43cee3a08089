// OK of the general-data dialog: header, signature lines, analysis headings,
// the profit-and-loss variant, and the values refused.
#include "period/core/general_data_edit.h"

#include <gtest/gtest.h>

#include "formula/recalculator.h"
#include "model/workbook.h"
#include "test_sheets.h"

namespace spf {
namespace {

DateDays Date(int day, int month, int year) { return DaysFromCivil({year, month, day}); }

// Seven statements (the last two rows hold the signature), an eighth sheet
// with the same shape, the notes whose titles name the year, the analysis sheets.
Workbook SmallStatement() {
    Workbook wb;
    for (const char* name : {"RZiS_p", "RZiS_k", "Aktywa", "Pasywa", "Pasywa_kw", "Przeplywy_mb",
                             "Przeplywy_mp", "Zestawienie_zm"})
        test::AddSheet(wb, name, 7, 12);
    for (const char* name : {"nota_12", "nota_13"}) {
        Grid& g = *test::AddSheet(wb, name, 7, 8).Grid;
        g.At(2, 3).EnsureProps().Formula = "=ROKA";
    }
    test::AddSheet(wb, "AF_Bilans", 9, 10);
    test::AddSheet(wb, "AF_RZiS", 9, 10);
    test::AddSheet(wb, "AF_Wskazniki", 9, 10);
    return wb;
}

GeneralDataEdit Edit(int year) {
    GeneralDataEdit e;
    e.town = "Warszawa";
    e.company = "Meblex";
    e.preparer = "Anna Nowak";
    e.year = year;
    e.preparedOn = Date(5, 3, year + 1);
    e.closingBalance = Date(31, 12, year);
    e.openingBalance = Date(1, 1, year);
    e.shares = {300, 200, 100};
    return e;
}

class ApplyGeneralDataTest : public ::testing::Test {
protected:
    void Apply(const GeneralDataEdit& e) {
        Recalculator recalc(wb, clock);
        ApplyGeneralData(wb, e, recalc, clock);
    }
    std::string Text(const char* sheet, int col, int row) { return wb.FindGrid(sheet)->At(col, row).Cells; }

    Workbook wb = SmallStatement();
    FixedClock clock{Date(20, 4, 2007)};
};

TEST_F(ApplyGeneralDataTest, SignsTheFirstSevenSheetsOnly) {
    Apply(Edit(2005));
    for (size_t i = 0; i < 7; ++i) {
        const Grid& g = *wb.Sheets[i].Grid;
        EXPECT_EQ(g.At(2, 9).Cells, "Warszawa, 5.03.2006 r.") << wb.Sheets[i].GridName;
        EXPECT_EQ(g.At(2, 10).Cells, "Anna Nowak") << wb.Sheets[i].GridName;
        EXPECT_EQ(g.At(2, 11).Cells, "") << "the last row stays empty";
    }
    EXPECT_EQ(Text("Zestawienie_zm", 2, 9), "");
    EXPECT_EQ(wb.Header.Osoba, "Anna Nowak");
    EXPECT_EQ(wb.Header.AFAkcje3, 100);
}

TEST_F(ApplyGeneralDataTest, AnalysisHeadingsShowTheDocumentsYears) {
    struct Case {
        int year;
        DateDays closing;
        const char* bilans[3];
        const char* rzis[3];
        const char* dynamics[2];
        const char* ratios[2];
    };
    const Case cases[] = {
        {2005,
         Date(31, 12, 2005),
         {"31.12.2005", "31.12.2004", "31.12.2003"},
         {"Rok kończący się 31.12.2005", "Rok kończący się 31.12.2004", "Rok kończący się 31.12.2003"},
         {"Dynamika 2005/2004", "Dynamika 2004/2003"},
         {"2005", "2004"}},
        {2010,
         Date(30, 6, 2010),
         {"30.6.2010", "30.6.2009", "30.6.2008"},
         {"Rok kończący się 30.6.2010", "Rok kończący się 30.6.2009", "Rok kończący się 30.6.2008"},
         {"Dynamika 2010/2009", "Dynamika 2009/2008"},
         {"2010", "2009"}},
    };
    for (const Case& c : cases) {
        GeneralDataEdit e = Edit(c.year);
        e.closingBalance = c.closing;
        Apply(e);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Text("AF_Bilans", 3 + 2 * i, 3), c.bilans[i]) << c.year;
            EXPECT_EQ(Text("AF_RZiS", 3 + 2 * i, 3), c.rzis[i]) << c.year;
        }
        EXPECT_EQ(Text("AF_RZiS", 4, 3), c.dynamics[0]);
        EXPECT_EQ(Text("AF_RZiS", 6, 3), c.dynamics[1]);
        EXPECT_EQ(Text("AF_Wskazniki", 3, 4), c.ratios[0]);
        EXPECT_EQ(Text("AF_Wskazniki", 5, 4), c.ratios[1]);
        // The note titles that name the year are recalculated.
        EXPECT_EQ(Text("nota_12", 2, 3), std::to_string(c.year));
        EXPECT_EQ(Text("nota_13", 2, 3), std::to_string(c.year));
    }
}

TEST_F(ApplyGeneralDataTest, VariantSwitchesTheCashFlowNetProfitBothWays) {
    GeneralDataEdit e = Edit(2005);
    e.variant = ProfitLossVariant::CostOfSales;
    Apply(e);
    const Grid& flows = *wb.FindGrid("Przeplywy_mp");
    EXPECT_EQ(flows.At(4, 6).Props->Formula, "=RANGE('RZiS_k!D47')");
    EXPECT_EQ(flows.At(5, 6).Props->Formula, "=RANGE('RZiS_k!E47')");
    EXPECT_EQ(GeneralDataEdit::Of(wb).variant, ProfitLossVariant::CostOfSales);
    e.variant = ProfitLossVariant::Comparative;
    Apply(e);
    EXPECT_EQ(flows.At(4, 6).Props->Formula, "=RANGE('RZiS_p!D52')");
    EXPECT_EQ(flows.At(5, 6).Props->Formula, "=RANGE('RZiS_p!E52')");
}

TEST_F(ApplyGeneralDataTest, AlwaysTodayTakesTheClocksDay) {
    GeneralDataEdit e = Edit(2006);
    e.alwaysToday = true;
    Apply(e);
    EXPECT_EQ(wb.Header.DataSporzadzenia, Date(20, 4, 2007));
    EXPECT_EQ(Text("RZiS_p", 2, 9), "Warszawa, 20.04.2007 r.");
}

TEST_F(ApplyGeneralDataTest, OtherPeriodTextsReachThePeriodIdentifiers) {
    GeneralDataEdit e = Edit(2006);
    e.otherPeriod = true;
    e.currentPeriod = "01.07.2005 - 30.06.2006";
    Apply(e);
    EXPECT_EQ(Text("nota_12", 2, 3), "01.07.2005 - 30.06.2006");
}

TEST(GeneralDataProblem, RefusesWhatTheDocumentCannotHold) {
    struct Case {
        int year, tax, shares;
        bool accepted;
    };
    const Case cases[] = {
        {1900, 0, 0, true},    {9999, 100, 1, true}, {1899, 19, 1, false},  {10000, 19, 1, false},
        {2005, 101, 1, false}, {2005, -1, 1, false}, {2005, 19, -1, false},
    };
    for (const Case& c : cases) {
        GeneralDataEdit e = Edit(c.year);
        e.taxRate = c.tax;
        e.shares[2] = c.shares;
        EXPECT_EQ(!GeneralDataProblem(e).has_value(), c.accepted)
            << c.year << " " << c.tax << " " << c.shares;
    }
}

}  // namespace
}  // namespace spf
