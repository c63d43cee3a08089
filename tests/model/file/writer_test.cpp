#include <gtest/gtest.h>

#include <filesystem>

#include "model/file/ratio_sheet_block.h"
#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"
#include "spf_test_support.h"
#include "test_sheets.h"

namespace spf {
namespace {

using test::FixturePath;
using test::ReadBytes;

Workbook LoadFixture(const std::string& name) {
    ReadResult r = ReadDocument(FixturePath(name));
    if (!r) throw std::runtime_error(r.error.Message());
    return std::move(*r.workbook);
}

Workbook ReadBack(const std::string& bytes) {
    ReadResult r = ReadDocumentBytes(bytes, "written.spf");
    if (!r) throw std::runtime_error(r.error.Message());
    return std::move(*r.workbook);
}

// A sheet of 5 x 5 cells, headers included, as code builds it.
Grid& AddSheet(Workbook& wb, const std::string& name) { return *test::AddSheet(wb, name, 5, 5).Grid; }

TEST(SpfWriter, WritesTheReferenceFileLineForLine) {
    const std::string actual = WriteDocumentBytes(LoadFixture("minimal.spf"));
    const std::string expected = ReadBytes(FixturePath("minimal.written.spf"));
    if (actual != expected) {
        const auto kept = std::filesystem::temp_directory_path() / "minimal.written.actual.spf";
        std::ofstream(kept, std::ios::binary) << actual;
        FAIL() << "writer output differs from the reference; actual output kept in " << kept;
    }
}

TEST(SpfWriter, AWrittenFileReadAndWrittenAgainIsByteIdentical) {
    for (const char* name : {"minimal.spf", "legacy129.spf", "no_ratio_sheet.spf"}) {
        const std::string first = WriteDocumentBytes(LoadFixture(name));
        EXPECT_EQ(WriteDocumentBytes(ReadBack(first)), first) << name;
    }
}

TEST(SpfWriter, TheLoadedRatioSheetIsWrittenAsTheBuiltInBlock) {
    const Workbook wb = LoadFixture("no_ratio_sheet.spf");
    const std::vector<std::string> lines = WriteDocumentLines(wb);
    const auto start = std::find(lines.begin(), lines.end(), "[GridName=AF_Wskazniki]");
    ASSERT_NE(start, lines.end());
    EXPECT_EQ(*(start - 2), "; ---------------------------------------------------------");
    EXPECT_EQ(std::vector<std::string>(start, lines.end()), RatioSheetBlockLines(wb.Header.RokBiezacy));
}

TEST(SpfWriter, HeaderRecordsInOrderWithWholeDays) {
    Workbook wb;
    wb.Header.Miasto = "Kraków";
    wb.Header.DataSporzadzenia = 38100.9;
    wb.Header.AFBO = -0.5;
    wb.LangID = 1;
    wb.NotesSelection = {7, 2};
    const std::vector<std::string> expected = {
        "[FileVersion=130]",
        "[SheetsCount=0]",
        "[Miasto=Kraków]",
        "[Firma=]",
        "[Osoba=]",
        "[RokBiezacy=2003]",
        "[DataSporzadzenia=38100]",
        "[Podatek1=27]",
        "[Podatek2=27]",
        "[AFAkcje1=1]",
        "[AFAkcje2=1]",
        "[AFAkcje3=1]",
        "[AFBO=0]",
        "[AFBZ=0]",
        "[LangID=1]",
        "[Chckd=2]",
        "[Chckd=7]",
    };
    EXPECT_EQ(WriteDocumentLines(wb), expected);
    EXPECT_EQ(WriteDocumentBytes(wb).substr(0, 19), "[FileVersion=130]\r\n");
}

// A sheet with the texts a user may type or paste, written and read back.
TEST(SpfWriter, TextsWithLineBreaksAndForeignCharactersSurvive) {
    Workbook wb;
    wb.Header.Firma = "Firma → „Ząb” 😀";
    wb.Header.Osoba = "Jan\r\nKowalski";
    Grid& g = AddSheet(wb, "Arkusz");
    struct Texts {
        std::string cells, text1, text2, val, formula;
    };
    const Texts cases[] = {
        {"Stan:\r\n– nieprzeterminowane", "Stan na koniec roku, w tym:\r\n  – nieprzeterminowane",
         "End\rof year", "a\nb", ""},
        {"[Edit=1]", "[Edit=1]", "; not a comment", "=not a formula", "=RANGE('Arkusz!B1')&\"\x7F\""},
        {"=looks like a formula", "", "tab\tinside", "", "=\"line\nbreak\""},
        {"; first\r\n[Cell=(1,1)]", "nul\0inside", "→", "–", ""},
    };
    for (int i = 0; i < 4; ++i) {
        Cell& cell = g.At(i + 1, 2);
        const Texts& t = cases[i];
        cell.Cells = t.cells;
        TCellProps& p = cell.EnsureProps();
        p.Text1 = i == 3 ? std::string("nul\0inside", 10) : t.text1;
        p.Text2 = t.text2;
        p.Val = t.val;
        p.Formula = t.formula;
    }
    const std::string bytes = WriteDocumentBytes(wb);
    const Workbook back = ReadBack(bytes);
    EXPECT_EQ(back.Header.Firma, wb.Header.Firma);
    EXPECT_EQ(back.Header.Osoba, wb.Header.Osoba);
    const Grid& b = *back.Sheets[0].Grid;
    for (int i = 0; i < 4; ++i) {
        const TCellProps& want = *g.At(i + 1, 2).Props;
        const TCellProps& got = *b.At(i + 1, 2).Props;
        EXPECT_EQ(b.At(i + 1, 2).Cells, g.At(i + 1, 2).Cells) << i;
        EXPECT_EQ(got.Text1, want.Text1) << i;
        EXPECT_EQ(got.Text2, want.Text2) << i;
        EXPECT_EQ(got.Val, want.Val) << i;
        EXPECT_EQ(got.Formula, want.Formula) << i;
        EXPECT_FALSE(b.At(i + 1, 2).Edit) << i;
    }
    const std::string again = WriteDocumentBytes(back);
    EXPECT_EQ(WriteDocumentBytes(ReadBack(again)), again);
}

TEST(SpfWriter, KeepsAttributesTheModelHoldsOutsideItsProperties) {
    Workbook wb;
    Grid& g = AddSheet(wb, "Wykaz_not");
    g.At(2, 2).Edit = true;      // editable, without properties
    g.At(2, 3).CellBold = true;  // bold and, after loading, italic
    g.At(2, 3).Cells = "Nota";
    g.At(3, 3).Cells = "1234,56";  // grid text with an empty Polish text
    g.At(3, 3).EnsureProps().CellFormat = 2;
    const Workbook back = ReadBack(WriteDocumentBytes(wb));
    const Grid& b = *back.Sheets[0].Grid;
    EXPECT_TRUE(b.At(2, 2).Edit);
    EXPECT_TRUE(b.At(2, 3).CellItalic);
    const Workbook again = ReadBack(WriteDocumentBytes(back));
    EXPECT_TRUE(again.Sheets[0].Grid->At(2, 3).CellBold);
    EXPECT_EQ(again.Sheets[0].Grid->At(3, 3).Props->Text1, "");
    EXPECT_EQ(again.Sheets[0].Grid->At(3, 3).Cells, "1234,56");
}

}  // namespace
}  // namespace spf
