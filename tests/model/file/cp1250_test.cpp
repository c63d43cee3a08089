#include "model/file/cp1250.h"

#include <gtest/gtest.h>

namespace spf {
namespace {

TEST(Cp1250, EveryByteSurvivesDecodingAndEncoding) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250, MapsPolishLettersAndUndefinedBytes) {
    struct Case {
        unsigned char byte;
        char32_t ch;
    };
    const Case cases[] = {
        {0xA5, U'Ą'},
        {0xB9, U'ą'},
        {0xC6, U'Ć'},
        {0xE6, U'ć'},
        {0xCA, U'Ę'},
        {0xEA, U'ę'},
        {0xA3, U'Ł'},
        {0xB3, U'ł'},
        {0xD1, U'Ń'},
        {0xF1, U'ń'},
        {0xD3, U'Ó'},
        {0xF3, U'ó'},
        {0x8C, U'Ś'},
        {0x9C, U'ś'},
        {0x8F, U'Ź'},
        {0x9F, U'ź'},
        {0xAF, U'Ż'},
        {0xBF, U'ż'},
        {0x80, U'€'},
        {0x96, U'–'},
        {0x84, U'„'},
        // The five bytes the code page leaves undefined are the C1 controls of the same number.
        {0x81, 0x81},
        {0x83, 0x83},
        {0x88, 0x88},
        {0x90, 0x90},
        {0x98, 0x98},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1250ToUnicode(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(UnicodeToCp1250(c.ch), c.byte) << int(c.byte);
    }
    EXPECT_FALSE(UnicodeToCp1250(0x80));  // not the euro sign's byte by number
    EXPECT_FALSE(UnicodeToCp1250(U'→'));
    EXPECT_EQ(Utf8ToCp1250("a→b"), "a?b");
}

TEST(Cp1250, MalformedUtf8BecomesReplacementCharacters) {
    const std::string cases[] = {"\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"};
    for (const std::string& text : cases) {
        size_t pos = 0;
        EXPECT_EQ(NextUtf8(text, pos), 0xFFFDu) << text;
        EXPECT_EQ(pos, 1u);
    }
    size_t pos = 0;
    EXPECT_EQ(NextUtf8("\xF0\x9F\x98\x80", pos), 0x1F600u);
    EXPECT_EQ(pos, 4u);
}

}  // namespace
}  // namespace spf
