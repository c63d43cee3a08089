// The template notation: short forms expand to the stored formula syntax,
// a source builds the cells it describes, and a faulty source is refused
// with its file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formula_shorthand.h"
#include "model/colors.h"
#include "sheet_source.h"
#include "source_error.h"

namespace spf::tmpl {
namespace {

TEST(Notation, ShortFormsExpandToStoredReferences) {
    const FormulaContext context{"S", {{3, 4}, {5, 5}}};
    struct Case {
        const char* formula;
        int col;
        const char* expanded;
    };
    const Case cases[] = {
        {"=[D7]", 5, "=RANGE('S!D7')"},
        {"=[$7]+[$8]", 5, "=RANGE('S!E7')+RANGE('S!E8')"},
        {"=[Aktywa!$73]", 4, "=RANGE('Aktywa!D73')"},
        {"=[$-1 7]-[$+1 7]", 5, "=RANGE('S!D7')-RANGE('S!F7')"},
        {"=[RZiS_p!@52]", 3, "=RANGE('RZiS_p!D52')"},
        {"=IF([$5]<>0,0-[$5],0)", 4, "=IF(RANGE('S!D5')<>0,0-RANGE('S!D5'),0)"},
        {"=SUM(RANGE('S!D6'):RANGE('S!D9'))", 4, "=SUM(RANGE('S!D6'):RANGE('S!D9'))"},
        {"=ROKA", 4, "=ROKA"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandFormula(c.formula, context, c.col), c.expanded) << c.formula;
    EXPECT_EQ(SumFormula("6..9, 12", context, 4), "=SUM(RANGE('S!D6'):RANGE('S!D9'),RANGE('S!D12'))");
}

TEST(Notation, MalformedShortFormsAreRefused) {
    const FormulaContext context{"S", {{3, 4}}};
    for (const char* formula :
         {"=[D7", "=[D]", "=[$x]", "=[7]", "=[Bad Name!D7]", "=[X,[S!D7]", "=[@6]", "=[$-9 7]"})
        EXPECT_THROW(ExpandFormula(formula, context, 4), std::invalid_argument) << formula;
    for (const char* rows : {"9..6", "a", "6..", ""})
        EXPECT_THROW(SumFormula(rows, context, 4), std::invalid_argument) << rows;
}

class NotationSource : public ::testing::Test {
protected:
    std::string Write(const std::string& text) {
        const std::string path = (std::filesystem::path(::testing::TempDir()) / "T.txt").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

constexpr const char* kHead =
    "sheet T\n"
    "widths 1 15 300 50 100 100 15\n"
    "amounts D E\n"
    "notecol C\n";

TEST_F(NotationSource, BuildsTheCellsARowDescribes) {
    const SheetBuild b = BuildSheet(Write(std::string(kHead) + "signature\n"
                                                               "merge B2:E2\n"
                                                               "2 b | Tytuł // Title\n"
                                                               "5 b i1 note | Razem // Total | sum 6..7\n"
                                                               "6 add | Pozycja // Item | in | ex 1234,5 -\n"
                                                               "7 | Druga // Second | D: in | E: =[D7]\n"
                                                               "print rows=4..-3 kinds=tn$$\n"),
                                    "T");
    const Grid& g = *b.sheet.Grid;
    EXPECT_EQ(g.Columns(), 7);
    EXPECT_EQ(g.Rows(), 12);  // a blank row, the place and date, the preparer, the margin
    EXPECT_EQ(g.At(2, 5).Props->Text2, "Total");
    EXPECT_TRUE(g.At(2, 5).CellBold);
    EXPECT_EQ(g.At(2, 5).Props->Indent, 1);
    EXPECT_EQ(g.At(3, 5).Props->CellFormat, 3);
    EXPECT_EQ(g.At(5, 5).Props->Formula, "=SUM(RANGE('T!E6'):RANGE('T!E7'))");
    EXPECT_TRUE(g.At(4, 6).Edit);
    EXPECT_EQ(g.At(4, 6).CellColor, kInputColor);
    EXPECT_EQ(g.At(4, 6).Props->Val, "0");
    EXPECT_TRUE(g.At(1, 6).Props->CanAdd);
    EXPECT_EQ(g.At(1, 6).HintCell, "Dodaj wiersz");
    EXPECT_FALSE(g.At(5, 7).Edit);
    EXPECT_EQ(g.At(5, 7).Props->Formula, "=RANGE('T!D7')");
    EXPECT_EQ(g.At(2, g.Rows() - 3).Props->CellFormat, 3);
    EXPECT_TRUE(g.At(5, 2).Props->Merged);
    EXPECT_TRUE(g.At(2, 2).Props->Base);
    EXPECT_EQ(g.At(5, 2).Props->MergRight, 5);
    ASSERT_EQ(b.examples.size(), 1u);
    EXPECT_EQ(b.examples[0].col, 4);
    EXPECT_EQ(b.examples[0].text, "1234,5");
    ASSERT_EQ(b.prints.size(), 1u);
    EXPECT_EQ(b.prints[0].lastRow, -3);
    EXPECT_TRUE(b.prints[0].newPage);
}

TEST_F(NotationSource, FaultsNameTheirLine) {
    struct Case {
        const char* body;  // after the four head lines
        const char* where;
    };
    const Case cases[] = {
        {"5 | A // A | in\nfrobnicate 3\n", "T.txt:6:"},
        {"6 | A // A | in\n5 | B // B | in\n", "T.txt:6:"},
        {"5 | A // A | in | ex 1 2 3\n", "T.txt:5:"},
        {"5 | A // A | H: in\n", "T.txt:5:"},
        {"5 zz | A // A\n", "T.txt:5:"},
        {"5 | A // A | {q} in\n", "T.txt:5:"},
        {"5 | A // A | =[D\n", "T.txt:5:"},
        {"merge E4:C4\n", "T.txt:5:"},
        {"5 | A // A | in\nprint rows=4 kinds=t\n", "T.txt:6:"},
    };
    for (const Case& c : cases) {
        try {
            BuildSheet(Write(std::string(kHead) + c.body), "T");
            ADD_FAILURE() << "accepted: " << c.body;
        } catch (const SourceError& e) {
            EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(BuildSheet(Write("widths 1 15 300 50 100 100 15\n"), "T"), SourceError);
    EXPECT_THROW(BuildSheet(Write("sheet U\nwidths 1 15 300 50 100 100 15\n"), "T"), SourceError);
}

}  // namespace
}  // namespace spf::tmpl
