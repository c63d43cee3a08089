// The built-in ratio sheet shows the document's own years, in both languages,
// from the moment the reader appends it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/display_text.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"
#include "test_paths.h"

namespace spf {
namespace {

std::string ExampleWithYear(int year) {
    std::ifstream in(SPF_SOURCE_DIR "/examples/przyklad.spf", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    const std::string key = "[RokBiezacy=";
    const size_t at = text.find(key);
    EXPECT_NE(at, std::string::npos);
    const size_t end = text.find(']', at);
    return text.replace(at + key.size(), end - at - key.size(), std::to_string(year));
}

TEST(RatioSheetHeadings, ShowTheDocumentsYearAndTheYearBefore) {
    for (const int year : {1900, 2005, 2010, 9999}) {
        ReadResult read = ReadDocumentBytes(ExampleWithYear(year), "firma.spf");
        ASSERT_TRUE(read.workbook) << year;
        Workbook& wb = *read.workbook;
        const Grid& ratios = *wb.FindGrid("AF_Wskazniki");
        for (const int lang : {0, 1}) {
            wb.LangID = lang;
            EXPECT_EQ(CellDisplayText(wb, ratios, 3, 4), std::to_string(year)) << year << " lang " << lang;
            EXPECT_EQ(CellDisplayText(wb, ratios, 5, 4), std::to_string(year - 1))
                << year << " lang " << lang;
            EXPECT_EQ(CellDisplayText(wb, ratios, 7, 4), "") << year;
        }
    }
}

}  // namespace
}  // namespace spf
