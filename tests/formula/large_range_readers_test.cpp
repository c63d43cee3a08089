// Readers of a large range (listed once for the range, not in every cell of
// it) are reached by an edit inside the range as readers of single cells are:
// on the same sheet, on another sheet, and through a cell that reads them.
#include <gtest/gtest.h>

#include <string>

#include "fixture_book.h"

namespace spf::test {
namespace {

const std::string kWholeRange = "SUM(RANGE('Dane!A1'):RANGE('Dane!J10'))";

class LargeRangeReaders : public ::testing::Test {
protected:
    void SetUp() override {
        // The summing sheet comes first, so the first pass sums before the
        // formula inside the range is calculated.
        book.AddSheet("Sumy");
        book.AddSheet("Dane", 13, 12);
        book.AddSheet("Razem", 12, 12);
        for (char c = 'A'; c <= 'J'; ++c)
            for (int r = 1; r <= 10; ++r)
                if (c != 'J' || r != 10) book.Input("Dane", c + std::to_string(r), (c - 'A' + 1) * 1000 + r);
        book.Formula("Dane", "J10", "=RANGE('Dane!A1')*2");
        book.Formula("Sumy", "B1", "=" + kWholeRange);
        book.Formula("Dane", "L1", "=" + kWholeRange);
        book.Formula("Razem", "B1", "=RANGE('Sumy!B1')");
        // Column by column, in ranges small enough to be listed in each cell.
        for (char c = 'A'; c <= 'J'; ++c) {
            const std::string column = std::string(1, c);
            book.Formula("Razem", "C" + std::to_string(c - 'A' + 1),
                         "=SUM(RANGE('Dane!" + column + "1'):RANGE('Dane!" + column + "10'))");
        }
        book.Formula("Razem", "D1", "=SUM(RANGE('Razem!C1'):RANGE('Razem!C10'))");
    }

    int64_t Expected() {
        int64_t total = 0;
        for (char c = 'A'; c <= 'J'; ++c)
            for (int r = 1; r <= 10; ++r)
                if (c != 'J' || r != 10) total += std::stoll(book.Val("Dane", c + std::to_string(r)));
        return total + 2 * std::stoll(book.Val("Dane", "A1"));
    }

    // The readers of the whole range, and a total of the per-column sums:
    // one figure, whichever way the readers were recorded.
    void ExpectTotals(const std::string& step, bool columnSums) {
        const std::string expected = std::to_string(Expected());
        for (const auto& [sheet, cell] : {std::pair{"Sumy", "B1"}, {"Dane", "L1"}, {"Razem", "B1"}})
            EXPECT_EQ(book.Val(sheet, cell), expected) << step << ": " << sheet << "!" << cell;
        if (columnSums) {
            EXPECT_EQ(book.Val("Razem", "D1"), expected) << step;
        }
    }

    FixtureBook book;
};

TEST_F(LargeRangeReaders, AChangeInsideTheRangeReachesEveryReader) {
    ASSERT_TRUE(book.recalc.RecalculateWorkbook());
    ExpectTotals("first workbook recalculation", true);

    struct Edit {
        const char* cell;
        int64_t hundredths;
        bool wholeWorkbook;
    };
    // A sheet recalculation passes on the changes of the sheet's formula
    // cells: editing A1 changes J10, inside the range, whose readers on
    // other sheets must follow. The per-column sums read the edited input
    // itself and wait for their sheet, or the workbook, to be recalculated.
    for (const Edit& edit : {Edit{"A1", -5000, false}, Edit{"A1", 999999, false}, Edit{"E5", 77777, true},
                             Edit{"A1", 123, true}}) {
        book.Input("Dane", edit.cell, edit.hundredths);
        const std::string step =
            std::string(edit.cell) + (edit.wholeWorkbook ? " then workbook" : " then sheet");
        ASSERT_TRUE(edit.wholeWorkbook ? book.recalc.RecalculateWorkbook()
                                       : book.recalc.RecalculateSheet(book.Index("Dane")))
            << step;
        ExpectTotals(step, edit.wholeWorkbook);
    }
}

}  // namespace
}  // namespace spf::test
