// The grid's side of cell entry: what the window is told after an edit.
#include "workbench/core/cell_entry.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "model/workbook.h"

namespace spf {
namespace {

class RecordingHost : public CellEntryHost {
public:
    using CellEntryHost::CellEntryHost;
    void notifyUndoAvailable() override { ++undoNotices; }
    void startRecalcTimer() override { ++timerStarts; }
    int undoNotices = 0;
    int timerStarts = 0;
};

struct EditCase {
    const char* name;
    const char* typed;
    bool autoRecalc;
    bool merged;
    bool changed;  // also: one undo notice
    bool timer;
};

// Test listings show the case by its name.
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class CellEditCases : public ::testing::TestWithParam<EditCase> {};

TEST_P(CellEditCases, WindowIsToldWhatChanged) {
    const EditCase& c = GetParam();
    Workbook workbook;
    TSheet sheet;
    sheet.GridName = "nota_01";
    sheet.Grid = std::make_unique<Grid>();
    sheet.Grid->SetColumns(4);
    sheet.Grid->SetRows(4);
    Cell& cell = sheet.Grid->At(2, 2);
    cell.Cells = "stary";
    cell.EnsureProps().Text1 = "stary";
    cell.Props->Merged = c.merged;
    workbook.Sheets.push_back(std::move(sheet));
    TSheet& shown = workbook.Sheets.back();

    RecordingHost host(workbook);
    host.autoRecalc = c.autoRecalc;
    EXPECT_EQ(BeginCellEdit(host, shown, 2, 2), "stary");
    EXPECT_EQ(EndCellEdit(host, shown, 2, 2, c.typed), c.changed);
    EXPECT_EQ(host.undoNotices, c.changed ? 1 : 0);
    EXPECT_EQ(host.timerStarts, c.timer ? 1 : 0);
    EXPECT_EQ(shown.Grid->At(2, 2).Cells, c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CellEditCases,
    ::testing::Values(EditCase{"LeftAsItWas", "stary", true, false, false, false},
                      EditCase{"ChangedRecalculatesLater", "nowy", true, false, true, true},
                      EditCase{"ChangedWithoutAutomaticRecalculation", "nowy", false, false, true, false},
                      EditCase{"ChangedInsideAMergedBlock", "nowy", true, true, true, false}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spf
