// The analysis headings OK writes are still there after saving and loading,
// the built-in ratio sheet included.
#include <gtest/gtest.h>

#include "formula/recalculator.h"
#include "model/display_text.h"
#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"
#include "model/workbook.h"
#include "period/core/general_data_edit.h"
#include "test_paths.h"

namespace spf {
namespace {

TEST(AnalysisHeadings, SurviveSavingAndLoading) {
    ReadResult read = ReadDocument(SPF_SOURCE_DIR "/examples/przyklad.spf");
    ASSERT_TRUE(read.workbook);
    Workbook& wb = *read.workbook;
    const FixedClock clock(DaysFromCivil({2011, 3, 1}));
    Recalculator recalc(wb, clock);
    GeneralDataEdit edit = GeneralDataEdit::Of(wb);
    edit.year = 2010;
    ApplyGeneralData(wb, edit, recalc, clock);

    ReadResult again = ReadDocumentBytes(WriteDocumentBytes(wb), "firma2010.spf");
    ASSERT_TRUE(again.workbook);
    const Workbook& loaded = *again.workbook;
    const auto shown = [&](const char* sheet, int col, int row) {
        return CellDisplayText(loaded, *loaded.FindGrid(sheet), col, row);
    };
    EXPECT_EQ(shown("AF_Wskazniki", 3, 4), "2010");
    EXPECT_EQ(shown("AF_Wskazniki", 5, 4), "2009");
    EXPECT_EQ(shown("AF_RZiS", 4, 3), "Dynamika 2010/2009");
    EXPECT_EQ(shown("AF_Bilans", 7, 3), "31.12.2008");
}

}  // namespace
}  // namespace spf
