// The filled example statement, edited in one input cell after another: one
// workbook recalculation must leave nothing for a further one to change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/recalculator.h"
#include "model/amounts.h"
#include "model/file/spf_reader.h"
#include "test_paths.h"

namespace spf::test {
namespace {

struct InputCell {
    int sheet;
    int col;
    int row;
};

std::vector<InputCell> AmountInputs(const Workbook& wb) {
    std::vector<InputCell> inputs;
    for (int s = 0; s < static_cast<int>(wb.Sheets.size()); ++s) {
        const Grid* grid = wb.Sheets[static_cast<size_t>(s)].Grid.get();
        if (!grid) continue;
        for (int c = 1; c < grid->Columns(); ++c)
            for (int r = 1; r < grid->Rows(); ++r) {
                const Cell& cell = grid->At(c, r);
                if (cell.Edit && cell.Props && cell.Props->CellFormat > 0) inputs.push_back({s, c, r});
            }
    }
    return inputs;
}

// Every cell's value and shown text, sheet by sheet.
std::vector<std::string> Snapshot(const Workbook& wb) {
    std::vector<std::string> cells;
    for (const TSheet& sheet : wb.Sheets) {
        if (!sheet.Grid) continue;
        for (int c = 0; c < sheet.Grid->Columns(); ++c)
            for (int r = 0; r < sheet.Grid->Rows(); ++r) {
                const Cell& cell = sheet.Grid->At(c, r);
                cells.push_back((cell.Props ? cell.Props->Val : std::string()) + "|" + cell.Cells);
            }
    }
    return cells;
}

// The first cell whose value a further recalculation changed, or "".
std::string FirstDifference(const Workbook& wb, const std::vector<std::string>& before,
                            const std::vector<std::string>& after) {
    size_t i = 0;
    for (const TSheet& sheet : wb.Sheets) {
        if (!sheet.Grid) continue;
        for (int c = 0; c < sheet.Grid->Columns(); ++c)
            for (int r = 0; r < sheet.Grid->Rows(); ++r, ++i)
                if (before[i] != after[i])
                    return sheet.GridName + " (" + std::to_string(c) + "," + std::to_string(r) +
                           "): " + before[i] + " then " + after[i];
    }
    return {};
}

TEST(WorkbookRecalculation, OneRunAfterAnyEditLeavesNothingToChange) {
    ReadResult read = ReadDocument(SPF_SOURCE_DIR "/examples/przyklad.spf");
    ASSERT_TRUE(read.workbook) << read.error.Message();
    Workbook& wb = *read.workbook;
    FixedClock clock(DaysFromCivil({2006, 3, 7}));
    Recalculator recalc(wb, clock);
    ASSERT_TRUE(recalc.RecalculateWorkbook());

    const std::vector<InputCell> inputs = AmountInputs(wb);
    ASSERT_GT(inputs.size(), 100u);
    int64_t amount = 900000000;  // 9 000 000,00
    // Every seventh of the twelve hundred inputs, spread over all sheets,
    // keeps the test to a second or two.
    for (size_t i = 0; i < inputs.size(); i += 7) {
        const InputCell& input = inputs[i];
        Cell& cell = wb.Sheets[static_cast<size_t>(input.sheet)].Grid->At(input.col, input.row);
        amount = amount * 7 % 1000000007;  // a different amount for every cell
        cell.Props->Val = std::to_string(amount);
        cell.Cells = FormatHundredths(amount);
        ASSERT_TRUE(recalc.RecalculateWorkbook());
        const std::vector<std::string> once = Snapshot(wb);
        ASSERT_TRUE(recalc.RecalculateWorkbook());
        const std::string changed = FirstDifference(wb, once, Snapshot(wb));
        EXPECT_EQ(changed, "") << "after an edit of " << wb.Sheets[static_cast<size_t>(input.sheet)].GridName
                               << " (" << input.col << "," << input.row << ")";
        if (!changed.empty()) break;
    }
}

}  // namespace
}  // namespace spf::test
