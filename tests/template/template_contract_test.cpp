// The rules of the template that the program's code relies on: sheet order,
// fixed addresses and their formats, note references, the notes list, the
// income-tax note and the equity names.
#include <gtest/gtest.h>

#include <map>

#include "model/colors.h"
#include "model/text_utils.h"
#include "template_files.h"

namespace spf::test {
namespace {

const std::vector<std::string> kStatements = {"RZiS_p",    "RZiS_k",       "Aktywa",      "Pasywa",
                                              "Pasywa_kw", "Przeplywy_mb", "Przeplywy_mp"};

class TemplateContract : public ::testing::Test {
protected:
    static void SetUpTestSuite() { wb_ = new Workbook(LoadTemplate()); }
    static void TearDownTestSuite() { delete wb_; }
    static const Workbook& wb() { return *wb_; }

private:
    static Workbook* wb_;
};
Workbook* TemplateContract::wb_ = nullptr;

TEST_F(TemplateContract, SheetsStandInCatalogueOrder) {
    std::vector<std::string> names;
    for (const TSheet& s : wb().Sheets) names.push_back(s.GridName);
    EXPECT_EQ(names, CatalogueOrder());
    EXPECT_EQ(wb().Header.SheetsCount, 53);
}

TEST_F(TemplateContract, SheetsHaveMarginsTitlesAndHeadingRow) {
    for (const TSheet& s : wb().Sheets) {
        SCOPED_TRACE(s.GridName);
        const Grid& g = *s.Grid;
        ASSERT_GE(g.Columns(), 5);
        EXPECT_EQ(g.ColWidths[1], 15);
        EXPECT_EQ(g.ColWidths.back(), 15);
        for (int c = 2; c < g.Columns() - 1; ++c) {
            EXPECT_LE(s.MinColWidths[static_cast<size_t>(c)], s.MaxColWidths[static_cast<size_t>(c)])
                << "column " << c;
            EXPECT_GT(s.MaxColWidths[static_cast<size_t>(c)], 0) << "column " << c;
        }
        const bool note = StartsWith(s.GridName, "nota_");
        const TCellProps& title = PropsAt(wb(), s.GridName, 2, note ? 3 : 2);
        EXPECT_FALSE(title.Text1.empty() && title.Formula.empty()) << "no title";
        if (note) {
            EXPECT_EQ(PropsAt(wb(), s.GridName, 2, 2).CellFormat, 3) << "the note label cell";
            EXPECT_EQ(title.Text2.empty(), title.Text1.empty()) << "title in one language only";
        }
    }
}

TEST_F(TemplateContract, StatementsHaveYearHeadingsAndSignatureRows) {
    for (const std::string& name : kStatements) {
        SCOPED_TRACE(name);
        const Grid& g = SheetGrid(wb(), name);
        EXPECT_EQ(g.Columns(), 7);
        EXPECT_EQ(PropsAt(wb(), name, 4, 4).Formula, "=ROKA");
        EXPECT_EQ(PropsAt(wb(), name, 5, 4).Formula, "=ROKB");
        EXPECT_EQ(PropsAt(wb(), name, 2, g.Rows() - 3).CellFormat, 3);
        EXPECT_EQ(PropsAt(wb(), name, 2, g.Rows() - 2).CellFormat, 3);
    }
}

// A line item has an amount for both years: typed or computed, never missing in one.
TEST_F(TemplateContract, StatementLinesHaveAmountsInBothYears) {
    for (const std::string& name : kStatements) {
        const Grid& g = SheetGrid(wb(), name);
        int lines = 0;
        for (int r = 5; r < g.Rows() - 3; ++r) {
            const bool d = PropsAt(wb(), name, 4, r).CellFormat > 0;
            const bool e = PropsAt(wb(), name, 5, r).CellFormat > 0;
            EXPECT_EQ(d, e) << name << " row " << r;
            if (d) {
                ++lines;
                EXPECT_FALSE(PropsAt(wb(), name, 2, r).Text1.empty())
                    << name << " row " << r << " has no caption";
            }
        }
        EXPECT_GE(lines, 40) << name;
    }
}

TEST_F(TemplateContract, NoteReferenceCellsShowProgramText) {
    const std::map<std::string, std::vector<int>> refs = {
        {"RZiS_p", {5, 11, 22, 26, 31, 39, 46, 50}},
        {"RZiS_k", {5, 11, 17, 21, 26, 34, 41, 45}},
        {"Aktywa", {6, 12, 20, 23, 38, 42, 48, 61, 73, 78}},
        {"Pasywa", {16, 24, 31, 50}},
        {"Pasywa_kw", {16, 24, 31, 50}},
        {"Przeplywy_mp", {8, 10}},
    };
    for (const auto& [sheet, rows] : refs) {
        for (int row : rows) EXPECT_EQ(PropsAt(wb(), sheet, 3, row).CellFormat, 3) << sheet << " C" << row;
    }
}

TEST_F(TemplateContract, StatementRowsTheOtherSheetsRead) {
    struct Fixed {
        const char* sheet;
        int row;
        const char* caption;  // the start of its Polish caption
    };
    const Fixed fixed[] = {
        {"RZiS_p", 49, "K."},
        {"RZiS_p", 50, "L."},
        {"RZiS_p", 52, "N."},
        {"RZiS_k", 44, "N."},
        {"RZiS_k", 45, "O."},
        {"RZiS_k", 47, "R."},
        {"Aktywa", 42, "I. Zapasy"},
        {"Aktywa", 52, "– powyżej 12"},
        {"Aktywa", 57, "– powyżej 12"},
        {"Aktywa", 73, "c) środki pieniężne"},
        {"Aktywa", 79, "Aktywa razem"},
        {"Pasywa", 5, "A. Kapitał"},
        {"Pasywa", 13, "VIII. Zysk"},
        {"Pasywa", 19, "– długoterminowa"},
        {"Pasywa", 22, "– długoterminowe"},
        {"Pasywa", 31, "III. Zobowiązania krótkoterminowe"},
        {"Pasywa", 35, "– powyżej 12"},
        {"Pasywa", 43, "– powyżej 12"},
        {"Pasywa", 55, "Pasywa razem"},
        {"Przeplywy_mb", 59, "F."},
        {"Przeplywy_mb", 60, "G."},
        {"Przeplywy_mp", 6, "I. Zysk"},
        {"Przeplywy_mp", 8, "1. Amortyzacja"},
        {"Przeplywy_mp", 10, "3. Odsetki i udziały w zyskach (dywidendy)"},
        {"Przeplywy_mp", 19, "B."},
        {"Przeplywy_mp", 62, "F."},
        {"Przeplywy_mp", 63, "G."},
    };
    for (const Fixed& f : fixed) {
        EXPECT_TRUE(StartsWith(PropsAt(wb(), f.sheet, 2, f.row).Text1, f.caption))
            << f.sheet << " B" << f.row << ": " << PropsAt(wb(), f.sheet, 2, f.row).Text1;
    }

    const struct {
        const char* sheet;
        int col, row;
        const char* formula;
    } formulas[] = {
        {"Aktywa", 4, 42, "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D47'))"},
        {"Aktywa", 5, 42, "=SUM(RANGE('Aktywa!E43'):RANGE('Aktywa!E47'))"},
        {"Pasywa", 4, 5, "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D14'))"},
        {"Pasywa", 5, 5, "=SUM(RANGE('Pasywa!E6'):RANGE('Pasywa!E14'))"},
        {"RZiS_p", 4, 50, "=RANGE('nota_10!E45')"},
        {"RZiS_k", 4, 45, "=RANGE('nota_10!E45')"},
        {"Przeplywy_mb", 4, 59, "=RANGE('Aktywa!E73')"},
        {"Przeplywy_mb", 5, 60, "=RANGE('Aktywa!E73')"},
        {"Przeplywy_mp", 4, 62, "=RANGE('Aktywa!E73')"},
        {"Przeplywy_mp", 5, 63, "=RANGE('Aktywa!E73')"},
    };
    for (const auto& f : formulas)
        EXPECT_EQ(PropsAt(wb(), f.sheet, f.col, f.row).Formula, f.formula) << f.sheet << " " << f.row;
    // The general-data dialog switches these two between the variants.
    EXPECT_EQ(PropsAt(wb(), "Przeplywy_mp", 4, 6).Formula, "=RANGE('RZiS_p!D52')");
    EXPECT_EQ(PropsAt(wb(), "Przeplywy_mp", 5, 6).Formula, "=RANGE('RZiS_p!E52')");
}

TEST_F(TemplateContract, PasywaKwMatchesPasywaRowForRow) {
    const Grid& a = SheetGrid(wb(), "Pasywa");
    const Grid& b = SheetGrid(wb(), "Pasywa_kw");
    ASSERT_EQ(a.Rows(), b.Rows());
    for (int r = 5; r <= 55; ++r) {
        EXPECT_EQ(PropsAt(wb(), "Pasywa", 2, r).Text1.substr(0, 3),
                  PropsAt(wb(), "Pasywa_kw", 2, r).Text1.substr(0, 3))
            << "row " << r;
        EXPECT_EQ(PropsAt(wb(), "Pasywa_kw", 4, r).Formula, "=RANGE('Pasywa!D" + std::to_string(r) + "')");
    }
}

TEST_F(TemplateContract, InputsAreWhiteEditableAndStartAtZero) {
    for (const TSheet& s : wb().Sheets) {
        if (s.GridName == "AF_Wskazniki") continue;  // the program's own block
        const Grid& g = *s.Grid;
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 1; c < g.Columns(); ++c) {
                const Cell& cell = g.At(c, r);
                const std::string where =
                    s.GridName + " " + std::string(1, char('A' + c - 1)) + std::to_string(r);
                const int format = cell.Props ? cell.Props->CellFormat : 0;
                if (cell.Edit) {
                    EXPECT_EQ(cell.CellColor, kInputColor) << where;
                    if (format == 1 || format == 2) {
                        EXPECT_EQ(cell.Props->Val, "0") << where;
                        EXPECT_EQ(cell.CellAlignment, Alignment::Right) << where;
                    }
                } else {
                    EXPECT_NE(cell.CellColor, kInputColor) << where << " is white but not editable";
                }
                if (cell.Props && !cell.Props->Formula.empty() && (format == 1 || format == 2)) {
                    EXPECT_EQ(cell.CellAlignment, Alignment::Right) << where;
                }
            }
        }
    }
}

TEST_F(TemplateContract, LabelsCarryBothLanguages) {
    for (const TSheet& s : wb().Sheets) {
        if (s.GridName == "AF_Wskazniki") continue;  // the program's own block
        const Grid& g = *s.Grid;
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 2; c < g.Columns() - 1; ++c) {
                const TCellProps& p = PropsAt(wb(), s.GridName, c, r);
                if (g.At(c, r).Edit || p.CellFormat != 0 || !p.Formula.empty()) continue;
                EXPECT_EQ(p.Text1.empty(), p.Text2.empty())
                    << s.GridName << " " << char('A' + c - 1) << r << ": \"" << p.Text1 << "\" / \""
                    << p.Text2 << "\"";
            }
        }
    }
}

TEST_F(TemplateContract, CommentRowsAreFollowedByAnEmptyRow) {
    for (const TSheet& s : wb().Sheets) {
        const Grid& g = *s.Grid;
        for (int r = 2; r < g.Rows(); ++r) {
            const TCellProps& p = PropsAt(wb(), s.GridName, 2, r);
            if (!StartsWith(p.Text1, "Komentarz")) continue;
            ASSERT_LT(r + 1, g.Rows()) << s.GridName;
            for (int c = 2; c < g.Columns() - 1; ++c)
                EXPECT_TRUE(PropsAt(wb(), s.GridName, c, r + 1).Text1.empty())
                    << s.GridName << " row " << r + 1;
        }
    }
}

TEST_F(TemplateContract, NotesListDescribesTheThirtyNineNotes) {
    const Grid& g = SheetGrid(wb(), "Wykaz_not");
    const int first = wb().FindSheet("nota_01");
    ASSERT_EQ(wb().FindSheet("nota_34"), first + 38) << "nota_01 .. nota_34 must stand together";
    for (int r = 4; r <= 42; ++r) {
        EXPECT_EQ(PropsAt(wb(), "Wykaz_not", 2, r).NoteSel, 1) << "row " << r;
        EXPECT_EQ(PropsAt(wb(), "Wykaz_not", 3, r).CellFormat, 3) << "row " << r;
        EXPECT_EQ(PropsAt(wb(), "Wykaz_not", 4, r).CellFormat, 3) << "row " << r;
    }
    for (int r = 43; r < g.Rows(); ++r) EXPECT_EQ(PropsAt(wb(), "Wykaz_not", 2, r).NoteSel, 0) << "row " << r;
}

TEST_F(TemplateContract, NotesWithPreviousYearKeepItInTypedColumnE) {
    for (const char* name :
         {"nota_01", "nota_01a", "nota_02", "nota_03", "nota_04", "nota_05", "nota_07", "nota_08", "nota_09",
          "nota_16", "nota_19", "nota_20", "nota_22", "nota_24a", "nota_27", "nota_28", "nota_34"}) {
        const Grid& g = SheetGrid(wb(), name);
        int editable = 0;
        for (int r = 5; r < g.Rows(); ++r) editable += g.At(5, r).Edit ? 1 : 0;
        EXPECT_GT(editable, 0) << name << " has no previous-year input in E";
    }
}

TEST_F(TemplateContract, IncomeTaxNoteHasItsFixedRows) {
    const Grid& g = SheetGrid(wb(), "nota_10");
    EXPECT_EQ(g.Rows(), 47);
    const std::pair<int, const char*> labels[] = {
        {21, "Koszty podatkowe nie zaliczone do kosztów rachunkowych"},
        {26, "Przychody księgowe nie zaliczane do podatkowych"},
        {37, "Przychody podatkowe nie zaliczone do księgowych"},
        {40, "Odliczenie od dochodu (np. darowizny)"},
        {41, "Podstawa opodatkowania"},
        {42, "Podatek dochodowy bieżący"},
    };
    for (auto [row, label] : labels)
        EXPECT_NE(g.At(2, row).Cells.find(label), std::string::npos) << "row " << row;
    EXPECT_FALSE(g.At(5, 41).Edit);
    EXPECT_FALSE(g.At(5, 42).Edit);
    const std::string& e6 = PropsAt(wb(), "nota_10", 5, 6).Formula;
    EXPECT_TRUE(e6.find("RZiS_p!D49") != std::string::npos || e6.find("RZiS_k!D44") != std::string::npos)
        << e6;
    EXPECT_FALSE(PropsAt(wb(), "nota_10", 5, 45).Formula.empty());
}

TEST_F(TemplateContract, ReaderEnforcedCellsAlreadyAgree) {
    for (int r = 6; r <= 10; ++r) EXPECT_EQ(PropsAt(wb(), "nota_25", 4, r).CellFormat, 0) << "nota_25 D" << r;
    EXPECT_EQ(PropsAt(wb(), "nota_13", 3, 38).CellFormat, 0);
    EXPECT_EQ(PropsAt(wb(), "nota_13", 3, 39).CellFormat, 0);
    EXPECT_FALSE(PropsAt(wb(), "nota_12", 2, 3).Formula.empty());
    EXPECT_FALSE(PropsAt(wb(), "nota_13", 2, 3).Formula.empty());
    const Grid& n17 = SheetGrid(wb(), "nota_17");
    int found = 0;
    for (int r = 7; r < n17.Rows(); ++r)
        found += n17.At(2, r).Cells.find("nieprzeterminowane") != std::string::npos;
    EXPECT_EQ(found, 1);
}

TEST_F(TemplateContract, EquityNotesCarryTheFiveComponentNames) {
    const std::pair<const char*, const char*> names[] = {
        {"Kapitał podstawowy", "Share capital"},
        {"Kapitał zapasowy", "Reserve capital"},
        {"Kapitał rezerwowy z aktualizacji wyceny", "Revaluation reserve"},
        {"Pozostałe kapitały rezerwowe", "Other reserves"},
        {"Zysk (strata) z lat ubiegłych", "Accumulated profit (loss) from previous years"},
    };
    const Grid& g = SheetGrid(wb(), "Noty_d_zm");
    EXPECT_EQ(g.Columns(), 6);
    std::vector<int> at;
    for (auto [pl, en] : names) {
        int row = 0;
        for (int r = 1; r < g.Rows(); ++r)
            if (g.At(2, r).Cells == pl) row = r;
        ASSERT_GT(row, 0) << pl;
        EXPECT_EQ(PropsAt(wb(), "Noty_d_zm", 2, row).Text2, en);
        at.push_back(row);
    }
    at.push_back(g.Rows() + 2);
    // Each printed table, from two rows below its name to four rows above the next, holds amounts.
    for (size_t k = 0; k + 1 < at.size(); ++k) {
        const int top = at[k] + 2, bottom = at[k + 1] - 4;
        ASSERT_LT(top, bottom) << names[k].first;
        EXPECT_FALSE(PropsAt(wb(), "Noty_d_zm", 3, bottom).Formula.empty())
            << names[k].first << " ends on row " << bottom;
    }
}

TEST_F(TemplateContract, AnalysisHeadingsAreProgramText) {
    for (int c : {3, 5, 7}) EXPECT_EQ(PropsAt(wb(), "AF_Bilans", c, 3).CellFormat, 3) << c;
    for (int c : {3, 4, 5, 6, 7}) EXPECT_EQ(PropsAt(wb(), "AF_RZiS", c, 3).CellFormat, 3) << c;
    const Grid& g = SheetGrid(wb(), "AF_RZiS");
    for (int r = 5; r < g.Rows(); ++r) {
        if (PropsAt(wb(), "AF_RZiS", 3, r).Formula.empty()) continue;
        const std::string row = std::to_string(r);
        EXPECT_EQ(PropsAt(wb(), "AF_RZiS", 4, r).Formula,
                  "=100*RANGE('AF_RZiS!C" + row + "')/RANGE('AF_RZiS!E" + row + "')");
        EXPECT_EQ(PropsAt(wb(), "AF_RZiS", 6, r).Formula,
                  "=100*RANGE('AF_RZiS!E" + row + "')/RANGE('AF_RZiS!G" + row + "')");
        EXPECT_EQ(PropsAt(wb(), "AF_RZiS", 4, r).CellFormat, 1);
    }
}

}  // namespace
}  // namespace spf::test
