#include "model/text_utils.h"

namespace spf {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperAscii(c);
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
    if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
    for (size_t i = from; i + needle.size() <= haystack.size(); ++i)
        if (EqualsIgnoreCase(haystack.substr(i, needle.size()), needle)) return i;
    return std::string_view::npos;
}

std::string_view TrimLeft(std::string_view text) {
    size_t b = 0;
    while (b < text.size() && IsTrimmed(text[b])) ++b;
    return text.substr(b);
}

std::string_view TrimRight(std::string_view text) {
    size_t e = text.size();
    while (e > 0 && IsTrimmed(text[e - 1])) --e;
    return text.substr(0, e);
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with) {
    if (what.empty()) return text;
    size_t pos = 0;
    while ((pos = text.find(what, pos)) != std::string::npos) {
        text.replace(pos, what.size(), with);
        pos += with.size();
    }
    return text;
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view what, std::string_view with) {
    std::string out;
    size_t pos = 0;
    while (true) {
        const size_t hit = FindIgnoreCase(text, what, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(with);
        pos = hit + what.size();
    }
    out.append(text.substr(pos));
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

size_t Utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

size_t Utf8Offset(std::string_view text, size_t charIndex) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (n == charIndex) return i;
            ++n;
        }
    }
    return text.size();
}

}  // namespace spf
