// The written .xlsx file read back: the worksheets, the sheet's look, the
// values and formulas, the progress, and failures that leave nothing behind.
#include "export/xlsx_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "formula/recalculator.h"
#include "test_sheets.h"
#include "zip_entries.h"

namespace spf {
namespace {

namespace fs = std::filesystem;

// The parts of a written file, looked up by the names a reader sees.
class WrittenFile {
public:
    explicit WrittenFile(const std::string& path) : parts_(test::ReadZipEntries(path)) {}

    std::vector<std::string> SheetNames() const {
        std::vector<std::string> names;
        const std::string& book = parts_.at("xl/workbook.xml");
        static const std::regex sheet(R"re(<sheet name="([^"]*)")re");
        for (std::sregex_iterator it(book.begin(), book.end(), sheet), end; it != end; ++it)
            names.push_back((*it)[1]);
        return names;
    }
    // The worksheet XML; worksheets are numbered in workbook order.
    const std::string& Sheet(int number) const {
        return parts_.at("xl/worksheets/sheet" + std::to_string(number) + ".xml");
    }
    // The <c> element of a cell, empty when the cell is not written.
    std::string Cell(int sheet, const std::string& ref) const {
        std::smatch m;
        const std::regex cell("<c r=\"" + ref + "\"[^>]*?(/>|>.*?</c>)");
        return std::regex_search(Sheet(sheet), m, cell) ? m.str() : "";
    }
    // The cell format (<xf>) the cell uses.
    std::string Look(int sheet, const std::string& ref) const {
        std::smatch m;
        const std::string c = Cell(sheet, ref);
        const int index = std::regex_search(c, m, std::regex(R"re( s="(\d+)")re")) ? std::stoi(m[1]) : 0;
        const std::string& styles = parts_.at("xl/styles.xml");
        const size_t xfs = styles.find("<cellXfs");
        static const std::regex xf("<xf .*?(/>|</xf>)");
        std::sregex_iterator it(styles.begin() + static_cast<long>(xfs), styles.end(), xf);
        std::advance(it, index);
        return it->str();
    }
    const std::string& Part(const std::string& name) const { return parts_.at(name); }

private:
    std::map<std::string, std::string> parts_;
};

void SetAmount(Grid& grid, int col, int row, const std::string& shown, const std::string& val,
               const std::string& formula = "") {
    TCellProps& p = grid.At(col, row).EnsureProps();
    p.CellFormat = 2;
    p.Val = val;
    p.Formula = formula;
    grid.At(col, row).Cells = shown;
}

class XlsxExportTest : public ::testing::Test {
protected:
    XlsxExportTest() {
        folder = fs::temp_directory_path() / ("spf_export_test_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        book.Header.RokBiezacy = 2004;
        // Columns: A 500 px, B hidden, C and D 64 px.
        Grid& g = *test::AddSheet(book, "Aktywa", 5, 7).Grid;
        g.ColWidths = {1, 500, 0, 64, 64};
        book.EnsureAllProps();
        g.At(1, 1).Props->Text1 = "Rok {ROKA}";
        g.At(1, 1).Props->Text2 = "Year {ROKA}";
        g.At(1, 1).CellBold = true;
        g.At(1, 1).Props->Indent = 3;
        g.At(2, 2).Props->Text1 = "in a hidden column";
        TCellProps& base = *g.At(3, 2).Props;
        base.Text1 = "Merged";
        for (int c = 3; c <= 4; ++c)
            for (int r = 2; r <= 3; ++r) {
                TCellProps& p = *g.At(c, r).Props;
                p.Merged = true, p.Base = c == 3 && r == 2;
                p.MergLeft = 3, p.MergTop = 2, p.MergRight = 4, p.MergBottom = 3;
            }
        g.At(4, 3).Props->Text1 = "covered";
        SetAmount(g, 1, 4, "1234,56", "123456");
        SetAmount(g, 1, 5, "2469,12", "246912", "=RANGE('Aktywa!A4')*2");
        SetAmount(g, 3, 5, "\u2013", "\u2013", "=1/0");
        g.At(3, 5).CellAlignment = Alignment::Right;
        TCellProps& framed = *g.At(1, 6).Props;
        framed.CellTopWidth = framed.CellBottomWidth = framed.CellLeftWidth = framed.CellRightWidth = 1;
        framed.Indent = 2;
        g.At(1, 6).CellAlignment = Alignment::Center;
        test::AddSheet(book, "Srodek", 3, 3);
        test::AddSheet(book, "Pasywa", 3, 3);
        book.EnsureAllProps();
    }
    ~XlsxExportTest() override { fs::remove_all(folder); }

    WrittenFile Export(XlsxExportOptions options = {}) {
        const std::string path = (folder / "out.xlsx").string();
        const auto error = ExportXlsx(book, clock, path, options);
        EXPECT_EQ(error, std::nullopt);
        return WrittenFile(path);
    }

    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        return names;
    }

    fs::path folder;
    Workbook book;
    FixedClock clock{38000};
};

TEST_F(XlsxExportTest, ChosenSheetsBecomeWorksheetsInWorkbookOrder) {
    XlsxExportOptions options;
    options.sheets = {2, 0};
    EXPECT_EQ(Export(options).SheetNames(), (std::vector<std::string>{"Aktywa", "Pasywa"}));
    EXPECT_EQ(Export().SheetNames(), (std::vector<std::string>{"Aktywa", "Srodek", "Pasywa"}));
}

TEST_F(XlsxExportTest, ColumnsTakeOneCharacterPerSevenPixelsAndAHiddenColumnNothing) {
    const WrittenFile file = Export();
    const std::string& sheet = file.Sheet(1);
    EXPECT_TRUE(std::regex_search(sheet, std::regex(R"(<col min="1" max="1" width="71\.)"))) << sheet;
    EXPECT_TRUE(std::regex_search(sheet, std::regex(R"(<col min="2" max="2" width="0"[^>]*hidden="1")")))
        << sheet;
    EXPECT_TRUE(std::regex_search(sheet, std::regex(R"(<col min="3" max="3" width="9\.)"))) << sheet;
    EXPECT_EQ(file.Cell(1, "B2"), "");
    EXPECT_EQ(file.Part("xl/sharedStrings.xml").find("hidden column"), std::string::npos);
}

TEST_F(XlsxExportTest, MergedBlockIsMergedOnceWithItsTextInTheFirstCell) {
    const WrittenFile file = Export();
    const std::string& sheet = file.Sheet(1);
    EXPECT_NE(sheet.find(R"(<mergeCells count="1"><mergeCell ref="C2:D3"/></mergeCells>)"), std::string::npos)
        << sheet;
    EXPECT_NE(file.Cell(1, "C2").find("t=\"s\""), std::string::npos);
    EXPECT_EQ(file.Cell(1, "D3").find("<v>"), std::string::npos);
    EXPECT_EQ(file.Part("xl/sharedStrings.xml").find("covered"), std::string::npos);
}

TEST_F(XlsxExportTest, ABlockOverlappingOneMergedBeforeStaysUnmerged) {
    // A damaged document: D3, inside C2:D3, is the base of D3:D4.
    Grid& g = *book.Sheets[0].Grid;
    for (int r = 3; r <= 4; ++r) {
        TCellProps& p = *g.At(4, r).Props;
        p.Merged = true, p.Base = r == 3;
        p.MergLeft = 4, p.MergTop = 3, p.MergRight = 4, p.MergBottom = 4;
    }
    const std::string sheet = Export().Sheet(1);  // a copy: the file dies with the statement
    EXPECT_NE(sheet.find(R"(<mergeCells count="1"><mergeCell ref="C2:D3"/></mergeCells>)"), std::string::npos)
        << sheet;
}

TEST_F(XlsxExportTest, AmountsAreNumbersWithTheAmountFormatAndFormulasOnlyWhenAsked) {
    const struct {
        bool formulas;
        const char* a5;
    } cases[] = {
        {false, R"(<v>2469.12</v>)"},
        {true, R"(<f>'Aktywa'!A4*2</f><v>2469.12</v>)"},
    };
    for (const auto& c : cases) {
        XlsxExportOptions options;
        options.formulas = c.formulas;
        const WrittenFile file = Export(options);
        EXPECT_NE(file.Cell(1, "A4").find("<v>1234.56</v>"), std::string::npos) << file.Cell(1, "A4");
        EXPECT_NE(file.Cell(1, "A5").find(c.a5), std::string::npos) << file.Cell(1, "A5");
        // A failed amount is 0, never a formula.
        EXPECT_EQ(file.Cell(1, "C5").find("<f>"), std::string::npos);
        EXPECT_NE(file.Cell(1, "C5").find("<v>0</v>"), std::string::npos) << file.Cell(1, "C5");
        EXPECT_NE(file.Part("xl/styles.xml").find(R"(formatCode="#,##0.00")"), std::string::npos);
        EXPECT_NE(file.Look(1, "A4").find(R"(numFmtId="164")"), std::string::npos) << file.Look(1, "A4");
        EXPECT_NE(file.Look(1, "C5").find(R"(horizontal="right")"), std::string::npos) << file.Look(1, "C5");
    }
}

TEST_F(XlsxExportTest, TextsAreShownInTheDocumentLanguageWithTheirLook) {
    for (int lang : {0, 1}) {
        book.LangID = lang;
        const WrittenFile file = Export();
        EXPECT_NE(file.Part("xl/sharedStrings.xml").find(lang == 0 ? "<t>Rok 2004</t>" : "<t>Year 2004</t>"),
                  std::string::npos);
        const std::string look = file.Look(1, "A1");
        EXPECT_NE(look.find(R"(vertical="top")"), std::string::npos) << look;
        EXPECT_NE(look.find(R"(wrapText="1")"), std::string::npos) << look;
        EXPECT_NE(file.Part("xl/styles.xml").find("<b/>"), std::string::npos);
    }
    // An empty text cell keeps its frame and alignment; centring, set after
    // the indent, leaves none.
    const WrittenFile file = Export();
    const std::string framed = file.Cell(1, "A6");
    EXPECT_NE(framed, "");
    EXPECT_EQ(framed.find("<v>"), std::string::npos);
    const std::string look = file.Look(1, "A6");
    EXPECT_EQ(look.find(R"(borderId="0")"), std::string::npos) << look;
    EXPECT_NE(look.find(R"(horizontal="center")"), std::string::npos) << look;
    EXPECT_EQ(look.find("indent"), std::string::npos) << look;
    EXPECT_NE(file.Look(1, "A1").find(R"(indent="3")"), std::string::npos) << file.Look(1, "A1");
}

TEST_F(XlsxExportTest, CellsTheProgramWritesKeepTheirTextsAndNumbersAsShown) {
    // Signature lines, note labels and references, headings: no amounts.
    Grid& g = *book.Sheets[2].Grid;
    g.SetRows(4);
    book.EnsureAllProps();
    const struct {
        int row;
        const char* shown;
        const char* cell;  // a fragment of the written <c> element ("" when blank)
        bool amountFormat;
    } cases[] = {
        {1, "Pozna\u0144, 15.03.2006 r.", R"(t="s")", false},
        {2, "", "", false},
        {3, "2005", "<v>2005</v>", false},
    };
    for (const auto& c : cases) {
        TCellProps& p = *g.At(2, c.row).Props;
        p.CellFormat = 3;
        g.At(2, c.row).Cells = c.shown;
    }
    const WrittenFile file = Export();
    for (const auto& c : cases) {
        const std::string ref = "B" + std::to_string(c.row);
        const std::string cell = file.Cell(3, ref);
        if (*c.cell) {
            EXPECT_NE(cell.find(c.cell), std::string::npos) << ref << " " << cell;
        }
        EXPECT_EQ(cell.find("<v>0</v>"), std::string::npos) << ref << " " << cell;
        EXPECT_EQ(file.Look(3, ref).find(R"(numFmtId="164")") != std::string::npos, c.amountFormat) << ref;
    }
    EXPECT_NE(file.Part("xl/sharedStrings.xml").find("15.03.2006 r.</t>"), std::string::npos);
}

TEST_F(XlsxExportTest, APeriodIdentifierIsExportedAsTheTextItGives) {
    book.Sheets[0].Grid->At(4, 1).Props->Formula = "=KONIECOKRESUSHORT";
    Recalculator(book, clock).RecalculateWorkbook();
    XlsxExportOptions options;
    options.formulas = true;
    const WrittenFile file = Export(options);
    EXPECT_NE(file.Cell(1, "D1").find(R"(t="s")"), std::string::npos) << file.Cell(1, "D1");
    EXPECT_EQ(file.Cell(1, "D1").find("<f>"), std::string::npos);
    EXPECT_NE(file.Part("xl/sharedStrings.xml").find("<t>31.12.2004</t>"), std::string::npos);
}

TEST_F(XlsxExportTest, ProgressCountsEveryContentCellOfTheExportedSheets) {
    XlsxExportOptions options;
    options.sheets = {0, 1};
    const WallClock::time_point start{};
    int64_t calls = 0, last = 0, total = 0;
    options.now = [&] { return start + std::chrono::seconds(calls); };
    options.progress = [&](const ExportProgress& p) {
        ++calls;
        EXPECT_EQ(p.done, last + 1);
        last = p.done, total = p.total;
        return true;
    };
    Export(options);
    EXPECT_EQ(total, 4 * 6 + 2 * 2);
    EXPECT_EQ(calls, total);
}

TEST(EstimatedEndTest, ScalesTheTimeSoFarToAllCells) {
    const WallClock::time_point start{};
    using std::chrono::seconds;
    const struct {
        int elapsed, done, total, end;
    } cases[] = {{10, 5, 9, 20}, {10, 10, 9, 10}, {0, 3, 100, 0}, {7, 0, 100, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(EstimatedEnd(start, start + seconds(c.elapsed), c.done, c.total), start + seconds(c.end))
            << c.elapsed << " " << c.done;
}

TEST_F(XlsxExportTest, FailureLeavesNothingBehindAndTheTargetAsItWas) {
    const std::string missing = (folder / "no" / "out.xlsx").string();
    const auto error = ExportXlsx(book, clock, missing, {});
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, missing + ": No such file or directory");

    const std::string target = (folder / "out.xlsx").string();
    std::ofstream(target) << "earlier";
    XlsxExportOptions options;
    options.progress = [](const ExportProgress& p) { return p.done < 3; };
    EXPECT_TRUE(ExportXlsx(book, clock, target, options));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"out.xlsx"});
    std::ifstream in(target);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "earlier");
}

TEST_F(XlsxExportTest, ATextTooLongForACellIsCutAtACharacter) {
    std::string text;
    while (text.size() < 40000) text += "zażółć ";
    book.Sheets[0].Grid->At(1, 1).Props->Text1 = text;
    const std::string strings = Export().Part("xl/sharedStrings.xml");
    const size_t begin = strings.find("zażółć"), end = strings.find("</t>", begin);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LE(end - begin, 32767u);
    EXPECT_GT(end - begin, 32750u);
    EXPECT_EQ(text.compare(0, end - begin, strings, begin, end - begin), 0);
}

TEST_F(XlsxExportTest, ALinkKeepsNamingTheFileItReplaces) {
    const fs::path real = folder / "real.xlsx", link = folder / "link.xlsx";
    std::ofstream(real) << "earlier";
    fs::create_symlink(real, link);
    ASSERT_EQ(ExportXlsx(book, clock, link.string(), {}), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(WrittenFile(real.string()).SheetNames().size(), 3u);
}

}  // namespace
}  // namespace spf
