#include "model/file/value_forms.h"

#include <gtest/gtest.h>

#include "model/file/file_lines.h"

namespace spf {
namespace {

TEST(ValueForms, Integers) {
    EXPECT_EQ(ParseFileInt("130"), 130);
    EXPECT_EQ(ParseFileInt("-15398909"), -15398909);
    EXPECT_EQ(ParseFileInt("+7"), 7);
    EXPECT_EQ(ParseFileInt("2147483647"), 2147483647);
    for (const char* bad : {"", "-", "+", "+-1", "1.5", " 1", "1 ", "2147483648", "0x10", "12a"})
        EXPECT_FALSE(ParseFileInt(bad)) << bad;
}

TEST(ValueForms, DatesAsDaysOrShortDates) {
    EXPECT_EQ(ParseFileDate("38100"), 38100.0);
    EXPECT_EQ(ParseFileDate("38100,75"), 38100.75);
    EXPECT_EQ(ParseFileDate("38100.5"), 38100.5);
    EXPECT_EQ(ParseFileDate("-1"), -1.0);
    EXPECT_EQ(ParseFileDate("31.12.2004"), 38352.0);
    EXPECT_EQ(ParseFileDate("1.1.1900"), 2.0);
    for (const char* bad : {"", "abc", "31.02.2004", "1e5", "99999999", "12.13.2004", "1,2,3"})
        EXPECT_FALSE(ParseFileDate(bad)) << bad;
}

TEST(ValueForms, ListsAndAddresses) {
    using V = std::vector<int32_t>;
    EXPECT_EQ(ParseFileList(")"), V{});
    EXPECT_EQ(ParseFileList("()"), V{});
    EXPECT_EQ(ParseFileList("(7)"), V{7});
    EXPECT_EQ(ParseFileList("(1;15;500)"), (V{1, 15, 500}));
    EXPECT_FALSE(ParseFileList("(1;;2)"));
    EXPECT_FALSE(ParseFileList("(1;x)"));
    EXPECT_EQ(FormatFileList({}), ")");
    EXPECT_EQ(FormatFileList({1, 15, 500}), "(1;15;500)");

    const auto a = ParseCellAddress("(3,42)");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->col, 3);
    EXPECT_EQ(a->row, 42);
    for (const char* bad : {"", "(", "(3)", "(3;4)", "(a,4)", "(3,4,5)"})
        EXPECT_FALSE(ParseCellAddress(bad)) << bad;
}

TEST(FileLines, SplitsAtEveryLineEnd) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitLineBreaks("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLineBreaks("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLineBreaks("a\n\rb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLineBreaks(std::string_view("a\0b", 3)).size(), 1u);
}

// Whether the last line had its end tells a complete file from a cut one,
// and a byte's line number names where a file goes wrong.
TEST(FileLines, CursorKnowsTheLastLineEndAndLineNumbers) {
    struct Case {
        std::string_view text;
        bool lastTerminated;
    };
    for (const Case& c :
         {Case{"a\r\nb\r\n", true}, Case{"a\r\nb", false}, Case{"a\rb\r", true}, Case{"a\n", true}}) {
        LineCursor cursor(c.text);
        std::string_view line;
        while (cursor.Next(line)) {
        }
        EXPECT_EQ(cursor.Terminated(), c.lastTerminated) << c.text;
    }
    const std::string_view text = "ab\r\ncd\re\n\nf";
    const int lines[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 5};
    for (size_t offset = 0; offset < text.size(); ++offset)
        EXPECT_EQ(LineAt(text, offset), lines[offset]) << offset;
}

TEST(FileLines, ClassifiesRecordsBlanksCommentsAndText) {
    struct Case {
        const char* line;
        LineKind kind;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"[Text1=a]b]", LineKind::Record, "Text1", "a]b"},
        {"[Text1=x=y]", LineKind::Record, "Text1", "x=y"},
        {"[Edit]", LineKind::Record, "Edit", ""},
        {"[Val=]", LineKind::Record, "Val", ""},
        {"[Text1=a] ", LineKind::Text, "", "[Text1=a]"},
        {"[Text1=a", LineKind::Text, "", "[Text1=a"},
        {"[=a]", LineKind::Text, "", "[=a]"},
        {"[]", LineKind::Text, "", "[]"},
        {" \t ", LineKind::Blank, "", ""},
        {"  ; ------", LineKind::Comment, "", ""},
        {"  Aktywa razem \t", LineKind::Text, "", "Aktywa razem"},
        {"=RANGE('A!B1')", LineKind::Text, "", "=RANGE('A!B1')"},
    };
    for (const Case& c : cases) {
        const ClassifiedLine l = ClassifyLine(c.line);
        EXPECT_EQ(l.kind, c.kind) << c.line;
        EXPECT_EQ(l.key, c.key) << c.line;
        EXPECT_EQ(l.value, c.value) << c.line;
    }
}

}  // namespace
}  // namespace spf
