#include "model/file/file_encoding.h"

#include <algorithm>

namespace spf {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

size_t FirstInvalidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        // The allowed range of the second byte narrows for the lead bytes that
        // would otherwise admit overlong forms, surrogates or values past U+10FFFF.
        unsigned char low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return i;
        }
        if (i + length > n || s[i + 1] < low || s[i + 1] > high) return i;
        for (size_t k = 2; k < length; ++k)
            if (!IsContinuation(s[i + k])) return i;
        i += length;
    }
    return std::string_view::npos;
}

EncodingGuess GuessFileEncoding(std::string_view bytes) {
    EncodingGuess guess;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        guess.bomSize = kUtf8Bom.size();
        guess.encoding = FileEncoding::Utf8;
        const size_t bad = FirstInvalidUtf8(bytes.substr(guess.bomSize));
        if (bad != std::string_view::npos) guess.invalidUtf8 = guess.bomSize + bad;
        return guess;
    }
    const bool multibyte =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (multibyte && FirstInvalidUtf8(bytes) == std::string_view::npos) guess.encoding = FileEncoding::Utf8;
    return guess;
}

}  // namespace spf
