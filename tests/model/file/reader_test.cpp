#include <gtest/gtest.h>

#include "model/colors.h"
#include "model/file/ratio_sheet_block.h"
#include "model/file/spf_reader.h"
#include "spf_test_support.h"

namespace spf {
namespace {

using test::FixturePath;
using test::kHead;
using test::Load;

const TCellProps& P(const Grid& g, int c, int r) { return *g.At(c, r).Props; }

TEST(SpfReader, ReadsTheHeaderSheetsAndCellsOfADocument) {
    std::vector<std::string> progress;
    ReadOptions options;
    const FixedClock clock(1);
    options.clock = &clock;
    options.onSheet = [&](int index, int count, const std::string& name) {
        progress.push_back(std::to_string(index) + "/" + std::to_string(count) + " " + name);
    };
    ReadResult r = ReadDocument(FixturePath("minimal.spf"), options);
    ASSERT_TRUE(r) << r.error.Message();
    const Workbook& wb = *r.workbook;
    EXPECT_EQ(progress, (std::vector<std::string>{"0/1 Aktywa", "1/1 AF_Wskazniki"}));

    const DocumentHeader& h = wb.Header;
    EXPECT_EQ(h.FileVersion, 130);
    EXPECT_EQ(h.SheetsCount, 2);
    EXPECT_EQ(h.Miasto, "Łódź");
    EXPECT_EQ(h.Firma, "Zakład „Ślęża” sp. z o.o.");
    EXPECT_EQ(h.RokBiezacy, 2004);
    EXPECT_EQ(h.DataSporzadzenia, 38100);
    EXPECT_EQ(h.Podatek1, 19);
    EXPECT_EQ(h.AFAkcje3, 80);
    EXPECT_EQ(h.AFBZ, 38352);
    EXPECT_EQ(wb.NotesSelection, (std::set<int>{1, 3}));  // the repeated index ticks once

    ASSERT_EQ(wb.Sheets.size(), 2u);
    EXPECT_EQ(wb.Sheets[0].GridName, "Aktywa");  // without "Grid_"
    EXPECT_EQ(wb.Sheets[1].GridName, "AF_Wskazniki");
    const TSheet& s = wb.Sheets[0];
    const Grid& g = *s.Grid;
    EXPECT_EQ(g.Columns(), 6);
    EXPECT_EQ(g.Rows(), 8);
    EXPECT_EQ(g.ColWidths, (std::vector<int>{1, 15, 300, 100, 100, 15}));
    EXPECT_EQ(g.RowHeights[0], 1);
    EXPECT_EQ(s.MinColWidths, (std::vector<int>{0, 0, 100, 50, 50, 0}));
    EXPECT_EQ(s.MaxColWidths, (std::vector<int>{1, 15, 500, 200, 200, 15}));
    EXPECT_EQ(g.At(3, 0).Cells, "C");
    EXPECT_EQ(g.At(0, 7).Cells, "7");

    EXPECT_TRUE(P(g, 1, 4).CanAdd);
    EXPECT_EQ(g.At(1, 4).HintCell, "Dodaj wiersz");
    EXPECT_EQ(g.At(1, 5).HintCell, "Dodaj/usuń wiersz");
    EXPECT_EQ(g.At(1, 6).HintCell, "Usuń wiersz");
    EXPECT_TRUE(P(g, 1, 6).CanDel && !P(g, 1, 6).CanAdd);

    const Cell& title = g.At(2, 2);
    EXPECT_EQ(title.CellColor, 255);
    EXPECT_EQ(title.CellAlignment, Alignment::Center);
    EXPECT_TRUE(title.CellBold);
    EXPECT_EQ(title.Cells, "Aktywa trwałe");
    EXPECT_EQ(P(g, 2, 2).Text2, "Fixed assets");
    EXPECT_EQ(P(g, 2, 2).CellTopWidth, 1);
    EXPECT_EQ(P(g, 2, 2).Indent, 2);

    const Cell& formula = g.At(4, 3);
    EXPECT_EQ(P(g, 4, 3).Formula, "=RANGE('Aktywa!D3')*2");
    EXPECT_EQ(formula.HintCell, "=RANGE('Aktywa!D3')*2");
    EXPECT_EQ(P(g, 4, 3).Val, "24690");
    EXPECT_TRUE(P(g, 4, 3).Merged && P(g, 4, 3).Base);
    EXPECT_EQ(P(g, 4, 3).MergBottom, 4);
    EXPECT_TRUE(P(g, 4, 3).Ref.empty());  // dependants are rebuilt, not read
    EXPECT_TRUE(P(g, 4, 4).Merged && !P(g, 4, 4).Base);
    EXPECT_TRUE(g.At(3, 3).Edit);
    EXPECT_EQ(P(g, 3, 3).Text1, "123,45");  // the grid text stands in for a missing Text1

    // Two text lines join with CR LF and lose their leading spaces.
    EXPECT_EQ(g.At(2, 5).Cells, "Pierwsza linia\r\ndruga linia");
    EXPECT_EQ(P(g, 2, 5).Text1, "Pierwsza linia\r\ndruga linia");
    EXPECT_EQ(P(g, 2, 5).NoteSel, 2);

    // Every cell, header cells included, has properties after loading.
    for (const TSheet& sheet : wb.Sheets)
        for (int row = 0; row < sheet.Grid->Rows(); ++row)
            for (int col = 0; col < sheet.Grid->Columns(); ++col) ASSERT_TRUE(sheet.Grid->At(col, row).Props);
}

TEST(SpfReader, TextLinesAndFlagsFollowTheirOwnRules) {
    const Workbook wb =
        Load(std::string(kHead) +
             "[GridName=S]\n[Columns=4]\n[Rows=4]\n"
             "[Cell=(1,1)]\nNota 5 opis\n=RANGE('S!B1')+Nota\n"  // text first: "Nota" -> "nota"
             "[Cell=(2,1)]\n=Nota\n"                             // no text yet: unchanged
             "[Cell=(3,1)]\n[Edit=1]\n[Edit=0]\n[CellBold=1]\n[CellBold=x]\n"
             "[Merged=1]\n[Merged=x]\n[CellAlignment=R]\n[CellAlignment=L]\n"
             "[Cell=(1,2)]\n[Text1=override]\n[Text1=a]b=c]\n"
             "[Cell=(2,2)]\n[Text1=x] \n");
    const Grid& g = *wb.Sheets[0].Grid;
    EXPECT_EQ(P(g, 1, 1).Formula, "=RANGE('S!B1')+nota");
    EXPECT_EQ(P(g, 2, 1).Formula, "=Nota");
    EXPECT_TRUE(g.At(3, 1).Edit);  // any other value leaves Edit and bold alone
    EXPECT_TRUE(g.At(3, 1).CellBold);
    EXPECT_FALSE(P(g, 3, 1).Merged);  // but clears Merged
    EXPECT_EQ(g.At(3, 1).CellAlignment, Alignment::Right);
    EXPECT_EQ(P(g, 1, 2).Text1, "a]b=c");
    EXPECT_EQ(g.At(2, 2).Cells, "[Text1=x]");  // a space after "]" makes a text line
}

// Formula lines as the reader leaves them after its repairs.
TEST(SpfReader, RewritesReferencesAndOldFormulas) {
    struct Case {
        const char* name;
        const char* version;
        const char* sheet;
        int col, row;
        const char* line;
        const char* expected;
    };
    const Case cases[] = {
        {"local reference gets the sheet", "130", "nota_02", 3, 3, "=RANGE('C5')+Range('D6')",
         "=RANGE('nota_02!C5')+Range('nota_02!D6')"},
        {"named reference unchanged", "130", "nota_02", 3, 3, "=RANGE('Aktywa!C5')", "=RANGE('Aktywa!C5')"},
        {"option cell in any case", "130", "nota_02", 3, 3, "=range('opcje!a1')+RANGE('Opcje!K1')",
         "=ROKA+PODATEK"},
        {"unquoted argument left alone", "130", "nota_02", 3, 3, "=RANGE(C5)+RANGE('", "=RANGE(C5)+RANGE('"},
        {"old tax reference in any version", "130", "nota_10", 3, 3, "=RANGE('nota_10!E42')",
         "=RANGE('nota_10!E45')"},
        {"old sum repaired before 130", "129", "Aktywa", 4, 47,
         "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D46'))", "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D47'))"},
        {"old sum kept in 130", "130", "Aktywa", 4, 47, "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D46'))",
         "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D46'))"},
        {"qualified, then repaired", "129", "Pasywa", 4, 15, "=SUM(RANGE('D6'):RANGE('D13'))",
         "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D14'))"},
        {"sum repair only in its sheet", "129", "Pasywa_kw", 4, 15,
         "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D13'))", "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D13'))"},
        {"tax only on a positive base", "129", "nota_10", 5, 45, "=RANGE('nota_10!E44')*PODATEK",
         "=IF(RANGE('nota_10!E44')>0,RANGE('nota_10!E44')*PODATEK/100,0)"},
        {"tax with IF kept", "129", "nota_10", 5, 45, "=IF(RANGE('nota_10!E44')*PODATEK)",
         "=IF(RANGE('nota_10!E44')*PODATEK)"},
        {"cash flow cell", "129", "Przeplywy_mb", 5, 60, "=RANGE('Aktywa!E70')", "=RANGE('Aktywa!E73')"},
        {"cash flow sign", "129", "Przeplywy_mp", 4, 57, "=RANGE('A!B1')+RANGE('A!B2')+1",
         "=RANGE('A!B1')-RANGE('A!B2')+1"},
        {"cash flow other cell", "129", "Przeplywy_mp", 4, 58, "=RANGE('A!B1')+1", "=RANGE('A!B1')+1"},
        {"percent scale", "129", "nota_13", 3, 27, "=IF(RANGE('A!B1')>0,100,0)+100,0",
         "=IF(RANGE('A!B1')>0,10000,0)+100,0"},
        {"changes in equity divided", "129", "Noty_d_zm", 4, 5, "=RANGE('A!B1')", "=RANGE('A!B1')/100"},
        {"changes in equity already divided", "129", "Noty_d_zm", 3, 5, "=RANGE('A!B1')/100",
         "=RANGE('A!B1')/100"},
        {"fixed reference", "129", "Aktywa", 3, 10, "=RANGE('nota_18!J8')", "=RANGE('nota_18!K8')"},
        {"profit formula", "129", "RZiS_p", 4, 20,
         "=IF(RANGE('nota_07!D16')-RANGE('nota_08!D12')<0,RANGE('nota_08!D12')-RANGE('nota_08!D16'),0)",
         "=IF(RANGE('nota_07!D16')-RANGE('nota_08!D12')<0,RANGE('nota_08!D12')-RANGE('nota_07!D16'),0)"},
    };
    for (const Case& c : cases) {
        const std::string doc = std::string("[FileVersion=") + c.version +
                                "]\n[SheetsCount=1]\n[GridName=" + c.sheet +
                                "]\n[Columns=27]\n[Rows=70]\n[Cell=(" + std::to_string(c.col) + "," +
                                std::to_string(c.row) + ")]\n" + c.line + "\n";
        const Workbook wb = Load(doc);
        EXPECT_EQ(wb.Sheets[0].Grid->At(c.col, c.row).Props->Formula, c.expected) << c.name;
    }
}

TEST(SpfReader, ALegacyFileGetsItsRepairsAndTheBuiltInRatioSheet) {
    ReadResult r = ReadDocument(FixturePath("legacy129.spf"));
    ASSERT_TRUE(r) << r.error.Message();
    const Workbook& wb = *r.workbook;
    ASSERT_EQ(wb.Sheets.size(), 3u);
    const Grid& aktywa = *wb.FindGrid("Aktywa");
    EXPECT_EQ(P(aktywa, 4, 47).Formula, "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D47'))");
    EXPECT_EQ(P(aktywa, 5, 47).Formula, "=SUM(RANGE('Aktywa!E43'):RANGE('Aktywa!E47'))");
    EXPECT_EQ(P(aktywa, 3, 10).Formula, "=RANGE('nota_18!K8')");
    EXPECT_EQ(P(*wb.FindGrid("nota_10"), 5, 46).Formula, "=RANGE('nota_10!E45')");
    // The file's own ratio sheet, and everything after it, gave way to the built-in one.
    const Grid& ratios = *wb.FindGrid("AF_Wskazniki");
    EXPECT_EQ(ratios.Columns(), 9);
    EXPECT_EQ(ratios.Rows(), 66);
    EXPECT_EQ(wb.Sheets.back().GridName, "AF_Wskazniki");
}

TEST(SpfReader, TheRatioSheetUnderItsOldPrefixIsReplacedToo) {
    const Workbook wb =
        Load(std::string(kHead) +
             "[GridName=Aktywa]\n[Columns=3]\n[Rows=3]\n[GridName=Grid_AF_Wskazniki]\n[Columns=2]\n");
    ASSERT_EQ(wb.Sheets.size(), 2u);
    EXPECT_EQ(wb.Sheets[1].Grid->Rows(), 66);
}

TEST(SpfReader, AFileWithoutTheRatioSheetIsReadAndGetsIt) {
    ReadResult r = ReadDocument(FixturePath("no_ratio_sheet.spf"));
    ASSERT_TRUE(r) << r.error.Message();
    ASSERT_EQ(r.workbook->Sheets.size(), 2u);
    EXPECT_EQ(r.workbook->Sheets[1].GridName, "AF_Wskazniki");
    EXPECT_EQ(r.workbook->Header.SheetsCount, 2);
}

TEST(SpfReader, OnlyTheTemplateTakesTodayAsItsDate) {
    const std::string doc = "[SheetsCount=0]\n[DataSporzadzenia=30000]\n";
    EXPECT_EQ(Load(doc, "/opt/program/empty.spf").Header.DataSporzadzenia, 38000);
    EXPECT_EQ(Load(doc, "C:\\Program\\EMPTY.SPF").Header.DataSporzadzenia, 38000);
    EXPECT_EQ(Load(doc, "/home/u/my_empty.spf").Header.DataSporzadzenia, 30000);
    EXPECT_EQ(Load(doc, "/home/u/empty.spf.old").Header.DataSporzadzenia, 30000);
}

TEST(SpfReader, LoadingIntoAWorkbookKeepsWhatClosingKept) {
    Workbook wb;
    wb.LangID = 1;
    wb.Header.AFBO = 123;
    ASSERT_FALSE(LoadDocumentInto(wb, FixturePath("no_ratio_sheet.spf")));
    EXPECT_EQ(wb.LangID, 1);
    EXPECT_EQ(wb.Header.AFBO, 123);
    EXPECT_EQ(wb.Sheets.size(), 2u);

    // A failed load leaves the workbook as it was.
    const auto error = LoadDocumentInto(wb, FixturePath("malformed/too_many_sheets.spf"));
    ASSERT_TRUE(error);
    EXPECT_EQ(wb.Sheets.size(), 2u);
    EXPECT_EQ(wb.Sheets[0].GridName, "Aktywa");
}

TEST(SpfReader, AMissingFileIsReportedWithTheSystemsReason) {
    ReadResult r = ReadDocument("/nonexistent/folder/x.spf");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.Message(), "/nonexistent/folder/x.spf: No such file or directory");
    r = ReadDocument(SPF_TEST_DATA_DIR);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error.reason.find("directory"), std::string::npos) << r.error.reason;
}

}  // namespace
}  // namespace spf
