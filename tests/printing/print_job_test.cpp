// Queue entries from the print-range table: small tables against sheets
// built here, and the table and template this build generates.
#include "printing/layout/print_job.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_page_canvas.h"
#include "model/cell_props.h"
#include "model/file/cp1250.h"
#include "model/file/spf_reader.h"
#include "test_paths.h"
#include "test_sheets.h"

namespace spf::print {
namespace {

using test::FakePageCanvas;

constexpr const char* kHeading = "arkusz\ttytul\n";

class PrintJob : public ::testing::Test {
protected:
    FakePageCanvas canvas;
    TPrintQueue queue{canvas, canvas};
    Workbook book;

    Grid& Sheet(const std::string& name, int rows, bool used = true) {
        TSheet& s = spf::test::AddSheet(book, name, 7, rows);
        s.Used = used;
        return *s.Grid;
    }
    void Assemble(const std::string& lines, const SheetChecked& checked = {}) {
        AssemblePrintJob(queue, book, ParsePrintRangeTable(Utf8ToCp1250(kHeading + lines)), checked);
    }
    std::vector<const TGridProperties*> EntriesOf(const Grid& grid) const {
        std::vector<const TGridProperties*> out;
        for (const auto& e : queue.Entries)
            if (e->Grid == &grid) out.push_back(e.get());
        return out;
    }
};

TEST_F(PrintJob, OrdinaryLines) {
    Grid& first = Sheet("Bilans", 20);
    Grid& zm = Sheet("Zestawienie_zm", 60);
    Grid& unused = Sheet("nota_05", 10, false);
    zm.At(2, 2).Cells = "Zestawienie zmian";
    zm.At(3, 3).Cells = "za rok";
    for (int col = 2; col <= 6; ++col) zm.At(col, 57).Cells = "k" + std::to_string(col);
    book.Header.Miasto = "Pozna\xC5\x84";
    book.Header.Osoba = "Anna Nowak";
    book.Header.DataSporzadzenia = DaysFromCivil({2004, 3, 31});
    // Lines of a later sheet first: the order is the workbook's. The space in
    // the name stands for "_" and the case does not count; -1 is the
    // next-to-last row, -2 the one above; "x" and the missing fifth kind are amounts.
    Assemble(
        "Zestawienie zm\tB2\tc3\t2\t4\t5\t-1\t-2\t\t\t\t2\th\tt\tt$n#x\t2500\t3000\n"
        "ZESTAWIENIE_ZM\t\t\t2\t1\t6\t5\t\t\t\t\t\tv\t\tt0\n"
        "nota_05\tB2\t\t2\t1\t3\t5\n"
        "Bilans\t\t\t3\t1\t4\t9\t\t\t\t\t \tn\tT\n"
        "Nieznany\tB2\t\t2\t1\t3\t5\n");
    EXPECT_EQ(queue.PlaceName, "Pozna\xC5\x84");
    EXPECT_EQ(queue.PreparationDate, "31.03.2004");
    EXPECT_EQ(queue.PreparerName, "Anna Nowak");
    ASSERT_EQ(queue.Entries.size(), 3u);
    EXPECT_EQ(queue.Entries[0]->Grid, &first);
    EXPECT_TRUE(EntriesOf(unused).empty());

    const TGridProperties& b = *queue.Entries[0];
    EXPECT_EQ(b.Title, "");
    EXPECT_EQ(b.Orientation, OrientationDemand::None);
    EXPECT_FALSE(b.NewPage);  // only a lower-case "t" asks for a new page
    EXPECT_EQ(b.RepeatRows, 0);

    const TGridProperties& z = *queue.Entries[1];
    EXPECT_EQ((std::vector<int>{z.LeftCol, z.TopRow, z.RightCol, z.BottomRow}),
              (std::vector<int>{2, 4, 5, 58}));
    EXPECT_EQ(z.Title, "Zestawienie zmian\r\nza rok");
    EXPECT_EQ(z.CommentText, "k2k3k4k5");
    EXPECT_EQ(z.CommentLabel, "Komentarz:");
    EXPECT_EQ(z.RepeatRows, 2);
    EXPECT_EQ(z.Orientation, OrientationDemand::Landscape);
    EXPECT_TRUE(z.NewPage);
    EXPECT_EQ(z.ColumnKinds, (std::vector<int>{kTextColumn, kAmountColumn, kNoteColumn, kWideAmountColumn}));
    EXPECT_EQ(z.StampHeight, 2500);
    EXPECT_EQ(z.SignatureHeight, 3000);
    EXPECT_FALSE(z.RatioSheet);

    const TGridProperties& z2 = *queue.Entries[2];
    EXPECT_EQ(z2.Title, "");
    EXPECT_EQ(z2.Orientation, OrientationDemand::Portrait);
    EXPECT_EQ(z2.ColumnKinds,
              (std::vector<int>{kTextColumn, kHiddenColumn, kAmountColumn, kAmountColumn, kAmountColumn}));
    EXPECT_EQ(z2.StampHeight, 0);
}

TEST_F(PrintJob, SelectionRatioSheetAndLanguage) {
    Sheet("AF_Bilans", 10);
    Sheet("AF_Wskazniki", 10);
    book.LangID = 1;
    Assemble(
        "AF_Bilans\t\t\t2\t1\t3\t5\t7\n"
        "AF_Wskazniki\t\t\t2\t1\t3\t5\n",
        [](int index) { return index != 0; });
    ASSERT_EQ(queue.Entries.size(), 2u);
    EXPECT_FALSE(queue.Entries[0]->Selected);
    EXPECT_FALSE(queue.Entries[0]->RatioSheet);
    EXPECT_EQ(queue.Entries[0]->CommentLabel, "Remarks:");
    EXPECT_TRUE(queue.Entries[1]->Selected);
    EXPECT_TRUE(queue.Entries[1]->RatioSheet);
}

TEST_F(PrintJob, BadCellsStopTheAssemblyAtTheirLine) {
    struct Case {
        const char* line;
        int column;
    };
    for (const Case& c :
         {Case{"Pasywa\t\t\t2\tx\t3\t5", 4}, Case{"Pasywa\t\t\t2\t1\t3", 6},
          Case{"Pasywa\t\t\t2\t1\t3\t5\t7a", 7}, Case{"Pasywa\tB\t\t2\t1\t3\t5", 1},
          Case{"Pasywa\t2B\t\t2\t1\t3\t5", 1}, Case{"Pasywa\t\t\t2\t1\t3\t5\t\t\t\t\t\t\t\t\t\t3,5", 16}}) {
        SCOPED_TRACE(c.line);
        book = Workbook{};
        queue.Clear();
        Sheet("Aktywa", 10);
        Sheet("Pasywa", 10);
        try {
            Assemble("Aktywa\t\t\t2\t1\t3\t5\nPasywa\t\t\t2\t1\t3\t5\n" + std::string(c.line) + "\n");
            ADD_FAILURE() << "no error";
        } catch (const PrintTableError& e) {
            EXPECT_EQ(e.line, 4);
            EXPECT_NE(std::string(e.what()).find("column " + std::to_string(c.column)), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(queue.Entries.size(), 2u) << "the entries before the line stay";
    }
}

TEST_F(PrintJob, RangesAreCutToTheirSheet) {
    struct Case {
        const char* line;
        std::vector<int> range;  // left, top, right, bottom
        int columns, rows;
    };
    for (const Case& c : {Case{"Aktywa\t\t\t2\t1\t99\t1000000", {2, 1, 6, 9}, 5, 9},
                          Case{"Aktywa\t\t\t-4\t-3\t3\t2", {0, 0, 3, 2}, 4, 3},
                          Case{"Aktywa\t\t\t4\t8\t3\t5", {4, 8, 3, 5}, 0, 0}}) {
        SCOPED_TRACE(c.line);
        book = Workbook{};
        queue.Clear();
        Sheet("Aktywa", 10);
        Assemble(std::string(c.line) + "\n");
        ASSERT_EQ(queue.Entries.size(), 1u);
        const TGridProperties& e = *queue.Entries[0];
        EXPECT_EQ((std::vector<int>{e.LeftCol, e.TopRow, e.RightCol, e.BottomRow}), c.range);
        EXPECT_EQ(e.ColCount, c.columns);
        EXPECT_EQ(e.RowCount, c.rows);
        EXPECT_EQ(e.ColumnKinds.size(), static_cast<size_t>(c.columns));
    }
}

TEST_F(PrintJob, EquityComponentWithoutItsNameRow) {
    // Names at rows 3, 10, 17, 24 and 31 of 40; each table runs from two rows
    // under its name to four above the next, the last to row 38.
    struct Case {
        const char* name;
        int missing;  // 0: every name present
        std::vector<std::vector<int>> rows;
    };
    const Case cases[] = {
        {"all five", 0, {{5, 6}, {12, 13}, {19, 20}, {26, 27}, {33, 38}}},
        {"the second missing", 2, {{5, 13}, {19, 20}, {26, 27}, {33, 38}}},
        {"the first missing", 1, {{12, 13}, {19, 20}, {26, 27}, {33, 38}}},
        {"the last missing", 5, {{5, 6}, {12, 13}, {19, 20}, {26, 38}}},
    };
    const char* names[] = {"Kapita\xC5\x82 podstawowy", "Kapita\xC5\x82 zapasowy",
                           "Kapita\xC5\x82 rezerwowy z aktualizacji wyceny",
                           "Pozosta\xC5\x82"
                           "e kapita\xC5\x82y rezerwowe",
                           "Zysk (strata) z lat ubieg\xC5\x82ych"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        book = Workbook{};
        queue.Clear();
        Grid& g = Sheet("Noty_d_zm", 40);
        for (int k = 1; k <= 5; ++k)
            if (k != c.missing) g.At(2, 3 + 7 * (k - 1)).Cells = names[k - 1];
        Assemble("Noty_d_zm\t\t\t2\t5\t4\t-1\t\t\t\t\t\tv\tt\tt$$\n");
        ASSERT_EQ(queue.Entries.size(), c.rows.size());
        for (size_t k = 0; k < c.rows.size(); ++k) {
            const TGridProperties& e = *queue.Entries[k];
            EXPECT_EQ((std::vector<int>{e.TopRow, e.BottomRow}), c.rows[k]) << k;
            EXPECT_EQ(e.NewPage, k == 0) << k;
        }
    }
}

TEST_F(PrintJob, MissingTableFileIsAnError) {
    EXPECT_THROW(ReadPrintRangeTable(std::string(SPF_TEST_DATA_DIR) + "/no-such-table.txt"), PrintTableError);
}

// The equity notes of the template, cut at the components' names.
class TemplateJob : public ::testing::Test {
protected:
    FakePageCanvas canvas;
    TPrintQueue queue{canvas, canvas};
    Workbook book;
    PrintRangeTable table;

    void SetUp() override {
        ReadResult read = ReadDocument(std::string(SPF_PROGRAM_DIR) + "/empty.spf");
        ASSERT_TRUE(read) << read.error.Message();
        book = std::move(*read.workbook);
        table = ReadPrintRangeTable(std::string(SPF_PROGRAM_DIR) + "/zakresdrukowania.txt");
    }
    // What the language switch leaves in the grid texts of an English document.
    void SwitchToEnglish() {
        book.LangID = 1;
        for (TSheet& s : book.Sheets)
            for (int row = 1; row < s.Grid->Rows(); ++row)
                for (int col = 1; col < s.Grid->Columns(); ++col) {
                    Cell& cell = s.Grid->At(col, row);
                    if (cell.Props && cell.Props->CellFormat == 0 && !cell.Props->Text2.empty())
                        cell.Cells = cell.Props->Text2;
                }
    }
    const TSheet& SheetNamed(const std::string& name) const {
        return book.Sheets[static_cast<size_t>(book.FindSheet(name))];
    }
};

TEST_F(TemplateJob, EveryUsedSheetPrintsAndAnUnusedNoteDoesNot) {
    for (TSheet& s : book.Sheets) s.Used = true;
    const TSheet& note = SheetNamed("nota_01");
    book.Sheets[static_cast<size_t>(book.FindSheet("nota_01"))].Used = false;
    AssemblePrintJob(queue, book, table, {});
    size_t next = 0;  // entries come in sheet order
    for (const TSheet& s : book.Sheets) {
        std::vector<size_t> at;
        for (size_t k = 0; k < queue.Entries.size(); ++k)
            if (queue.Entries[k]->Grid == s.Grid.get()) at.push_back(k);
        if (&s == &note) {
            EXPECT_TRUE(at.empty());
            continue;
        }
        ASSERT_FALSE(at.empty()) << s.GridName;
        EXPECT_EQ(at.front(), next) << s.GridName;
        next = at.back() + 1;
        for (size_t k : at) {
            const TGridProperties& e = *queue.Entries[k];
            EXPECT_GT(e.RowCount, 0) << s.GridName;
            EXPECT_EQ(e.ColumnKinds.front(), kTextColumn) << s.GridName;
        }
    }
    EXPECT_EQ(next, queue.Entries.size());
}

TEST_F(TemplateJob, EquityNotesCutIntoFiveTablesInBothLanguages) {
    for (bool english : {false, true}) {
        SCOPED_TRACE(english);
        if (english) SwitchToEnglish();
        queue.Clear();
        AssemblePrintJob(queue, book, table, {});
        const Grid& g = *SheetNamed("Noty_d_zm").Grid;
        std::vector<const TGridProperties*> cut;
        for (const auto& e : queue.Entries)
            if (e->Grid == &g) cut.push_back(e.get());
        ASSERT_EQ(cut.size(), 5u);
        const char* titles[2][5] = {{"Kapita\xC5\x82 podstawowy", "Kapita\xC5\x82 zapasowy",
                                     "Kapita\xC5\x82 rezerwowy z aktualizacji wyceny",
                                     "Pozosta\xC5\x82"
                                     "e kapita\xC5\x82y rezerwowe",
                                     "Zysk (strata) z lat ubieg\xC5\x82ych"},
                                    {"Share capital", "Reserve capital", "Revaluation reserve",
                                     "Other reserves", "Accumulated profit (loss) from previous years"}};
        for (size_t k = 0; k < 5; ++k) {
            SCOPED_TRACE(k);
            const TGridProperties& e = *cut[k];
            EXPECT_EQ(e.Title, titles[english][k]);
            EXPECT_EQ(g.At(2, e.TopRow - 2).Cells, titles[english][k]) << "two rows under its name";
            const int end = k + 1 < 5 ? cut[k + 1]->TopRow - 2 - 4 : g.Rows() - 2;
            EXPECT_EQ(e.BottomRow, end);
            EXPECT_GT(e.RowCount, 0);
            EXPECT_EQ(e.NewPage, k == 0);
        }
    }
}

}  // namespace
}  // namespace spf::print
