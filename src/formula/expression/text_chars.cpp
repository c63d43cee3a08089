#include "formula/expression/text_chars.h"

namespace spf::expr {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A continuation byte belongs to the character before it only when a lead
// byte opened a sequence long enough to take it.
size_t SequenceLength(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t want = lead >= 0xF0 && lead < 0xF8   ? 4
                  : lead >= 0xE0 && lead < 0xF0 ? 3
                  : lead >= 0xC0 && lead < 0xE0 ? 2
                                                : 1;
    size_t n = 1;
    while (n < want && at + n < text.size() && IsContinuation(text[at + n])) ++n;
    return n;
}

}  // namespace

size_t CharCount(std::string_view text) {
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at += SequenceLength(text, at)) ++count;
    return count;
}

size_t CharOffset(std::string_view text, size_t index) {
    size_t at = 0;
    for (; at < text.size() && index > 0; --index) at += SequenceLength(text, at);
    return at;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace spf::expr
