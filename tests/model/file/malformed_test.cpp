// Files the reader must refuse, each with the line it names and its reason.
#include <gtest/gtest.h>

#include "model/file/spf_reader.h"
#include "spf_test_support.h"

namespace spf {
namespace {

struct Malformed {
    const char* file;
    int line;
    const char* reason;  // a part of the reason
};

const Malformed kCases[] = {
    {"not_a_document.spf", 1, "not a statement document (cell text before the first GridName record)"},
    {"blank_lines.spf", 1, "the file is empty"},
    {"sheet_before_gridname.spf", 3, "Columns before the first GridName record"},
    {"gridname_before_sheetscount.spf", 2, "GridName before the SheetsCount record"},
    {"too_many_sheets.spf", 12, "more sheet blocks than SheetsCount (1)"},
    {"cell_record_before_cell.spf", 9, "Val before the first Cell record"},
    {"text_before_cell.spf", 9, "cell text before the first Cell record"},
    {"cell_outside_sheet.spf", 9, "cell (6,2) is outside sheet Aktywa of 6 columns and 8 rows"},
    {"cell_negative.spf", 9, "cell (-1,2) is outside sheet Aktywa"},
    {"cell_not_address.spf", 9, "Cell is not an address"},
    {"list_beyond_columns.spf", 9, "ColWidths has 7 items for 6"},
    {"list_not_numbers.spf", 9, "RowHeights is not a list of integers"},
    {"rows_add_outside.spf", 9, "RowsAdd item 8 is outside 1..7"},
    {"integer_not_number.spf", 10, "CellFormat is not an integer: \"dwa\""},
    {"integer_overflow.spf", 10, "Indent is not an integer"},
    {"date_neither_form.spf", 2, "DataSporzadzenia is not a date: \"31.02.2004\""},
    {"date_out_of_range.spf", 2, "AFBO is not a date"},
    {"columns_too_many.spf", 4, "Columns 28 is outside 0..27"},
    {"rows_too_many.spf", 4, "Rows 100000 is outside 0..20000"},
    {"sheet_name_not_identifier.spf", 3, "sheet name \"Bilans 2004\" is not an identifier"},
    {"sheet_name_twice.spf", 12, "sheet name \"AKTYWA\" is used twice"},
    {"langid_out_of_range.spf", 2, "LangID 7 is outside 0..1"},
    {"cell_after_shrink.spf", 11, "Val for cell (5,7) outside sheet Aktywa"},
    {"merge_outside.spf", 14, "cell (2,2) of sheet Aktywa has a merged block outside the sheet"},
    {"negative_width.spf", 9, "ColWidths item -5 is outside 0..65535"},
    {"ends_early.spf", 18, "the file ends early: 2 of 3 sheets"},
    {"nul_byte.spf", 4, "a NUL byte, which no statement document holds"},
    {"year_out_of_range.spf", 2, "RokBiezacy -2147483648 is outside 1900..9999"},
    {"bom_not_utf8.spf", 3, "the file is marked as UTF-8 but is not UTF-8"},
};

TEST(SpfReaderRefuses, MalformedFilesWithFileLineAndReason) {
    for (const Malformed& c : kCases) {
        const std::string path = test::FixturePath(std::string("malformed/") + c.file);
        const ReadResult r = ReadDocument(path);
        ASSERT_FALSE(r) << c.file;
        EXPECT_EQ(r.error.file, path);
        EXPECT_EQ(r.error.line, c.line) << c.file << ": " << r.error.reason;
        EXPECT_NE(r.error.reason.find(c.reason), std::string::npos) << c.file << ": " << r.error.reason;
        EXPECT_EQ(r.error.Message(), path + ":" + std::to_string(c.line) + ": " + r.error.reason);
    }
}

// Hostile sizes are refused before memory is spent on them.
TEST(SpfReaderRefuses, DocumentsTooLargeToHold) {
    std::string doc = "[FileVersion=130]\n[SheetsCount=100]\n";
    for (int i = 0; i < 3; ++i) doc += "[GridName=S" + std::to_string(i) + "]\n[Columns=27]\n[Rows=20000]\n";
    const ReadResult r = test::ReadText(doc);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.line, 8);  // the second sheet goes past the limit
    EXPECT_NE(r.error.reason.find("more than 1000000 cells"), std::string::npos) << r.error.reason;
}

}  // namespace
}  // namespace spf
