// The end-of-editing rule: what typing into a cell and leaving it stores.
#include "formula/cell_entry.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fixture_book.h"
#include "formula/undo_record.h"

namespace spf::test {
namespace {

struct EntryCase {
    int cellFormat;
    const char* address;
    const char* typed;
    std::string shown;
    std::string val;
};

TEST(CellEntry, StoresTypedAmountsNormalised) {
    const std::vector<EntryCase> cases = {
        {2, "D5", "1 234,5", "1234,50", "123450"},
        {1, "D5", "1234.5", "1234,50", "123450"},
        {2, "D5", "1.234.567.89", "1234567,89", "123456789"},
        {2, "D5", "-123456,78", "-123456,78", "-12345678"},
        {2, "D5", "0,005", "0,00", "0"},
        {2, "D5", "1,015", "1,02", "102"},
        {2, "D5", "(1.234,50 zł)", "-1234,50", "-123450"},
        // Not an amount: the cell is emptied, value and all.
        {2, "D5", "abc", "", ""},
        {2, "D5", " ", "", ""},
        // Texts, typed-as-is cells and the first column and row are not normalised.
        {0, "D5", "1 234,5", "1 234,5", "1 234,5"},
        {3, "D5", "1 234,5", "1 234,5", "1 234,5"},
        {2, "A5", "1 234,5", "1 234,5", "1 234,5"},
        {2, "D1", "1 234,5", "1 234,5", "1 234,5"},
    };
    for (const EntryCase& c : cases) {
        FixtureBook book;
        book.AddSheet("nota_07");
        book.Input("nota_07", c.address, 0);
        book.C("nota_07", c.address).Props->CellFormat = c.cellFormat;
        const Address a = At(c.address);
        CellEntry entry;
        Grid& grid = book.G("nota_07");
        entry.StartEditing(book.wb, grid, a.col, a.row);
        entry.FinishEditing(book.wb, "nota_07", grid, a.col, a.row, c.typed, true);
        EXPECT_EQ(book.Shown("nota_07", c.address), c.shown) << c.typed << " format " << c.cellFormat;
        EXPECT_EQ(book.Val("nota_07", c.address), c.val) << c.typed << " format " << c.cellFormat;
        EXPECT_EQ(book.C("nota_07", c.address).Props->Text1, c.shown) << c.typed;
    }
}

// Totals read Val, not the grid text: a typed text that is not an amount
// must leave nothing there for them to read.
TEST(CellEntry, TextThatIsNotAnAmountCountsAsAnEmptyCell) {
    const std::pair<const char*, AmountReading> cases[] = {
        {"12,3450,00", AmountReading::NotAnAmount},
        {"abc", AmountReading::NotAnAmount},
        {"  ", AmountReading::Blank},
    };
    for (const auto& [typed, reading] : cases) {
        FixtureBook book;
        Grid& grid = book.AddSheet("nota_07");
        book.Input("nota_07", "D5", 1000);
        book.Input("nota_07", "D6", 500);
        book.Formula("nota_07", "D7", "=SUM(RANGE('nota_07!D5'),RANGE('nota_07!D6'))");
        CellEntry entry;
        entry.StartEditing(book.wb, grid, 4, 6);
        const CellEntryOutcome outcome = entry.FinishEditing(book.wb, "nota_07", grid, 4, 6, typed, true);
        EXPECT_EQ(outcome.amount, reading) << typed;
        EXPECT_TRUE(outcome.changed) << typed;
        EXPECT_EQ(book.Val("nota_07", "D6"), "") << typed;
        EXPECT_EQ(book.Shown("nota_07", "D6"), "") << typed;
        book.recalc.RecalculateSheet(book.Index("nota_07"));
        EXPECT_EQ(book.Val("nota_07", "D7"), "1000") << typed;
        EXPECT_EQ(book.Shown("nota_07", "D7"), "10,00") << typed;
        // Undo gives the amount back.
        EXPECT_EQ(book.wb.UndoJournal.back(), "nota_07#4#6#500#5,00") << typed;
    }
}

TEST(CellEntry, RecordsUndoAndAsksForRecalculationOnlyForAChange) {
    FixtureBook book;
    Grid& grid = book.AddSheet("nota_07");
    book.Input("nota_07", "D5", 1000);
    CellEntry entry;
    EXPECT_EQ(entry.StartEditing(book.wb, grid, 4, 5), "10,00");

    // Leaving the cell as it was: no record, no recalculation, nothing stored.
    CellEntryOutcome same = entry.FinishEditing(book.wb, "nota_07", grid, 4, 5, "10,00", true);
    EXPECT_FALSE(same.changed);
    EXPECT_FALSE(same.recalcRequested);
    EXPECT_EQ(same.amount, AmountReading::Untouched);
    EXPECT_TRUE(book.wb.UndoJournal.empty());
    EXPECT_TRUE(book.wb.Saved);
    EXPECT_EQ(grid.At(4, 5).Props->Text1, "");

    CellEntryOutcome changed = entry.FinishEditing(book.wb, "nota_07", grid, 4, 5, "25", true);
    EXPECT_TRUE(changed.changed);
    EXPECT_TRUE(changed.recalcRequested);
    EXPECT_EQ(changed.amount, AmountReading::Amount);
    EXPECT_FALSE(book.wb.Saved);
    ASSERT_EQ(book.wb.UndoJournal.size(), 1u);
    EXPECT_EQ(book.wb.UndoJournal[0], "nota_07#4#5#1000#10,00");
    const auto record = CellUndoRecord::Parse(book.wb.UndoJournal[0]);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->valBefore, "1000");
    EXPECT_EQ(record->editStartText, "10,00");

    EXPECT_FALSE(entry.FinishEditing(book.wb, "nota_07", grid, 4, 5, "26", false).recalcRequested);
    grid.At(4, 5).Props->Merged = true;
    EXPECT_FALSE(entry.FinishEditing(book.wb, "nota_07", grid, 4, 5, "27", true).recalcRequested);
    EXPECT_EQ(book.Val("nota_07", "D5"), "2700");
}

TEST(CellEntry, WritesTheLanguageTextWithPlaceholdersReplaced) {
    FixtureBook book;
    Grid& grid = book.AddSheet("nota_07");
    grid.At(2, 6).Edit = true;
    grid.At(2, 6).Cells = "Rok {ROKA}";
    grid.At(2, 6).EnsureProps().Text1 = "Rok {ROKA}";
    CellEntry entry;
    EXPECT_EQ(entry.StartEditing(book.wb, grid, 2, 6), "Rok 2004");
    entry.FinishEditing(book.wb, "nota_07", grid, 2, 6, "Rok 2004 obrotowy", true);
    EXPECT_EQ(grid.At(2, 6).Props->Text1, "Rok 2004 obrotowy");
    EXPECT_EQ(book.wb.UndoJournal.back(), "nota_07#2#6##Rok 2004");

    book.wb.LangID = 1;
    entry.StartEditing(book.wb, grid, 2, 6);
    entry.FinishEditing(book.wb, "nota_07", grid, 2, 6, "Year 2004", true);
    EXPECT_EQ(grid.At(2, 6).Props->Text2, "Year 2004");
    EXPECT_EQ(grid.At(2, 6).Props->Text1, "Rok 2004 obrotowy");
}

TEST(CellEntry, LeavingATextCellUnchangedKeepsTheOtherLanguage) {
    FixtureBook book;
    Grid& grid = book.AddSheet("nota_07");
    grid.At(2, 6).Edit = true;
    grid.At(2, 6).Cells = "Przychody";  // the grid still shows the Polish text
    TCellProps& p = grid.At(2, 6).EnsureProps();
    p.Text1 = "Przychody";
    p.Text2 = "Revenue";
    book.wb.LangID = 1;
    CellEntry entry;
    const std::string start = entry.StartEditing(book.wb, grid, 2, 6);
    entry.FinishEditing(book.wb, "nota_07", grid, 2, 6, start, true);
    EXPECT_EQ(p.Text2, "Revenue");
    EXPECT_EQ(p.Text1, "Przychody");
}

TEST(CellUndoRecord, ParsesWhatItFormatsAndRefusesOtherTexts) {
    const CellUndoRecord r{"Aktywa", 4, 12, "-500", "a#b"};
    const auto back = CellUndoRecord::Parse(r.Format());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sheetName, "Aktywa");
    EXPECT_EQ(back->col, 4);
    EXPECT_EQ(back->row, 12);
    EXPECT_EQ(back->valBefore, "-500");
    EXPECT_EQ(back->editStartText, "a#b");
    for (const char* bad : {"", "Aktywa#4#12#x", "Aktywa#D#12#x#y", "#4#12#x#y", "Aktywa#4#1 2#x#y"})
        EXPECT_FALSE(CellUndoRecord::Parse(bad)) << bad;
}

}  // namespace
}  // namespace spf::test
