// Whatever the program saves it can open again: saving refuses, writing
// nothing, a workbook that the reader would refuse.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "model/file/document_rules.h"
#include "model/file/save_document.h"
#include "model/limits.h"
#include "spf_test_support.h"

namespace spf {
namespace {

namespace fs = std::filesystem;

class DocumentLimits : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("spf_limits_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

std::string Sheets(int count) {
    std::string doc = "[SheetsCount=" + std::to_string(count) + "]\n";
    for (int i = 0; i < count; ++i) doc += "[GridName=S" + std::to_string(i) + "]\n[Columns=2]\n[Rows=2]\n";
    return doc;
}

TEST_F(DocumentLimits, AWorkbookOfTheMostSheetsIsSavedAndOpenedAgain) {
    // With the built-in ratio sheet the file below holds the most sheets there may be.
    Workbook wb = test::Load(Sheets(kMaxSheets - 1));
    ASSERT_EQ(wb.Sheets.size(), static_cast<size_t>(kMaxSheets));
    ASSERT_FALSE(SaveDocument(wb, Path("most.spf")));
    const ReadResult back = ReadDocument(Path("most.spf"));
    ASSERT_TRUE(back) << back.error.Message();
    EXPECT_EQ(back.workbook->Sheets.size(), static_cast<size_t>(kMaxSheets));

    // One more is refused by the reader and by saving alike.
    const ReadResult more = test::ReadText(Sheets(kMaxSheets));
    ASSERT_FALSE(more);
    EXPECT_EQ(more.error.reason, "the document has more than 10000 sheets");
    wb.Sheets.insert(wb.Sheets.begin(), TSheet{});
    wb.Sheets.front().GridName = "Extra";
    wb.Sheets.front().Grid = std::make_unique<Grid>();
    const auto error = SaveDocument(wb, Path("more.spf"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message(), Path("more.spf") + ": the document cannot be saved: more than 10000 sheets");
    EXPECT_FALSE(fs::exists(Path("more.spf")));
}

TEST_F(DocumentLimits, SavingRefusesWhatTheReaderWouldRefuse) {
    const std::string doc = std::string(test::kHead) +
                            "[GridName=A]\n[Columns=4]\n[Rows=4]\n[Cell=(2,2)]\n[Merged=1]\n"
                            "[MergTop=2]\n[MergBottom=3]\n[MergLeft=2]\n[MergRight=3]\n";
    struct Case {
        const char* what;
        std::function<void(Workbook&)> change;
        const char* reason;  // empty when the workbook stays writable
    };
    auto grid = [](Workbook& wb) -> Grid& { return *wb.Sheets[0].Grid; };
    const Case cases[] = {
        {"as read", [](Workbook&) {}, ""},
        {"first year", [](Workbook& wb) { wb.Header.RokBiezacy = kFirstYear; }, ""},
        {"last year", [](Workbook& wb) { wb.Header.RokBiezacy = kLastYear; }, ""},
        {"year before", [](Workbook& wb) { wb.Header.RokBiezacy = 1899; },
         "the financial year 1899 is outside 1900..9999"},
        {"year after", [](Workbook& wb) { wb.Header.RokBiezacy = 10000; },
         "the financial year 10000 is outside"},
        {"no date", [](Workbook& wb) { wb.Header.AFBO = std::nan(""); }, "a date outside the years 1..9999"},
        {"date too late", [](Workbook& wb) { wb.Header.DataSporzadzenia = 3e6; }, "a date outside"},
        {"language", [](Workbook& wb) { wb.LangID = 2; }, "language 2 is neither 0 nor 1"},
        {"note selection", [](Workbook& wb) { wb.NotesSelection.insert(-1); }, "a negative note selection"},
        {"most columns", [&](Workbook& wb) { grid(wb).SetColumns(kMaxColumns); }, ""},
        {"columns", [&](Workbook& wb) { grid(wb).SetColumns(kMaxColumns + 1); },
         "sheet A: 28 columns, more than 27"},
        {"most rows", [&](Workbook& wb) { grid(wb).SetRows(kMaxRows); }, ""},
        {"rows", [&](Workbook& wb) { grid(wb).SetRows(kMaxRows + 1); },
         "sheet A: 20001 rows, more than 20000"},
        {"width", [&](Workbook& wb) { grid(wb).ColWidths[2] = kMaxExtent + 1; },
         "a width or height outside 0..65535"},
        {"height", [&](Workbook& wb) { grid(wb).RowHeights[1] = -1; }, "a width or height outside"},
        {"max width", [](Workbook& wb) { wb.Sheets[0].MaxColWidths[1] = -3; }, "a width or height outside"},
        {"merge cut by shrinking", [&](Workbook& wb) { grid(wb).SetRows(3); },
         "sheet A: cell (2,2) has a merged block outside the sheet"},
        {"name", [](Workbook& wb) { wb.Sheets[0].GridName = "2004"; },
         "the sheet name \"2004\" is not an identifier"},
        {"same name", [](Workbook& wb) { wb.Sheets[0].GridName = "af_wskazniki"; },
         "two sheets are named AF_Wskazniki"},
        {"same name once read", [](Workbook& wb) { wb.Sheets[0].GridName = "Grid_AF_Wskazniki"; },
         "two sheets are named AF_Wskazniki"},
    };
    for (const Case& c : cases) {
        Workbook wb = test::Load(doc);
        c.change(wb);
        const std::string path = Path(std::string(c.what) + ".spf");
        const auto error = SaveDocument(wb, path);
        if (std::string(c.reason).empty()) {
            ASSERT_FALSE(error) << c.what << ": " << error->Message();
            EXPECT_TRUE(ReadDocument(path)) << c.what;
            continue;
        }
        ASSERT_TRUE(error) << c.what;
        EXPECT_NE(error->reason.find(c.reason), std::string::npos) << c.what << ": " << error->reason;
        EXPECT_FALSE(fs::exists(path)) << c.what;
    }
}

}  // namespace
}  // namespace spf
