#include "model/file/value_escape.h"

#include <gtest/gtest.h>

#include "model/file/cp1250.h"

namespace spf {
namespace {

std::string Escaped(std::string_view text, bool guardLead = false) {
    std::string bytes;
    AppendEscaped(bytes, text, guardLead);
    return bytes;
}

TEST(ValueEscape, TextsThatALineCannotHoldSurviveExactly) {
    const std::string cases[] = {
        "Stan na koniec roku, w tym:\r\n  – nieprzeterminowane",
        "one\rtwo\nthree",
        std::string("nul\0inside", 10),
        "del \x7F and an escape look-alike \x7F"
        "41;",
        "arrow → and emoji 😀",
        "plain Zażółć gęślą jaźń",
        "",
    };
    for (const std::string& text : cases) {
        const std::string bytes = Escaped(text);
        EXPECT_EQ(bytes.find_first_of(std::string("\r\n\0", 3)), std::string::npos) << text;
        EXPECT_EQ(Unescape(Cp1250ToUtf8(bytes)), text);
    }
}

TEST(ValueEscape, WritesTheDocumentedForm) {
    EXPECT_EQ(Escaped("a\r\nb"),
              "a\x7F"
              "D;\x7F"
              "A;b");
    EXPECT_EQ(Escaped("→"),
              "\x7F"
              "2192;");
    EXPECT_EQ(Escaped("ą"), "\xB9");
    EXPECT_EQ(Escaped("[Edit=1]", true),
              "\x7F"
              "5B;Edit=1]");
    EXPECT_EQ(Escaped("=A1", true),
              "\x7F"
              "3D;A1");
    EXPECT_EQ(Escaped("=A1", false), "=A1");
}

TEST(ValueEscape, MalformedEscapesStayAsWritten) {
    const std::string cases[] = {"\x7F",
                                 "\x7F;",
                                 "\x7FZZ;",
                                 "\x7F"
                                 "41",
                                 "\x7F"
                                 "1234567;",
                                 "\x7F"
                                 "D800;",
                                 "\x7F"
                                 "110000;",
                                 "\x7F"
                                 "41x;"};
    for (const std::string& text : cases) EXPECT_EQ(Unescape(text), text);
    EXPECT_EQ(Unescape("x\x7F\x7F"
                       "41;y"),
              "x\x7F"
              "Ay");
}

}  // namespace
}  // namespace spf
