#include "model/file/cp1250.h"

#include <array>

namespace spf {

namespace {

// Bytes 0x80..0xFF; the undefined 0x81, 0x83, 0x88, 0x90, 0x98 map to themselves.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// UTF-8 of every byte, built once, so decoding is one table look-up per byte.
struct DecodeTable {
    struct Entry {
        unsigned char size;
        char bytes[3];
    };
    std::array<Entry, 256> utf8{};
    DecodeTable() {
        for (int b = 0; b < 256; ++b) {
            std::string one;
            AppendUtf8(one, Cp1250ToUnicode(static_cast<unsigned char>(b)));
            Entry& e = utf8[static_cast<size_t>(b)];
            e.size = static_cast<unsigned char>(one.size());
            for (size_t i = 0; i < one.size(); ++i) e.bytes[i] = one[i];
        }
    }
};

const DecodeTable& Decoding() {
    static const DecodeTable table;
    return table;
}

}  // namespace

char32_t Cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kHigh[byte - 0x80u]};
}

std::optional<unsigned char> UnicodeToCp1250(char32_t ch) {
    if (ch < 0x80) return static_cast<unsigned char>(ch);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == ch) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendCp1250AsUtf8(std::string& out, std::string_view bytes) {
    const DecodeTable& table = Decoding();
    // At most three bytes per character; the text is cut to size at the end.
    const size_t start = out.size();
    out.resize(start + bytes.size() * 3);
    char* o = out.data() + start;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *o++ = c;
            continue;
        }
        const DecodeTable::Entry& e = table.utf8[b];
        for (unsigned char i = 0; i < e.size; ++i) *o++ = e.bytes[i];
    }
    out.resize(static_cast<size_t>(o - out.data()));
}

std::string Cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    AppendCp1250AsUtf8(out, bytes);
    return out;
}

std::string Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++pos;
            continue;
        }
        const auto byte = UnicodeToCp1250(NextUtf8(utf8, pos));
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

char32_t NextUtf8(std::string_view text, size_t& pos) {
    constexpr char32_t kReplacement = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t extra = 0;
    char32_t ch = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        ch = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        ch = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        ch = lead & 0x07u;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= text.size()) {  // cut short by the end of the text
        ++pos;
        return kReplacement;
    }
    for (size_t k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(text[pos + k]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        ch = (ch << 6) | (c & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (ch < kMin[extra] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return ch;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

}  // namespace spf
