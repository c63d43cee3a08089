#include "model/file/value_escape.h"

#include <cstdio>

#include "model/file/cp1250.h"

namespace spf {

namespace {

bool MustEscape(char32_t ch) { return ch == 0 || ch == '\n' || ch == '\r' || ch == 0x7F; }

void AppendEscape(std::string& bytes, char32_t ch) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "\x7F%X;", static_cast<unsigned>(ch));
    bytes.append(buf, static_cast<size_t>(n));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void AppendEscaped(std::string& bytes, std::string_view utf8, bool guardLead) {
    size_t pos = 0;
    if (guardLead && !utf8.empty() && (utf8[0] == '[' || utf8[0] == ';' || utf8[0] == '=')) {
        AppendEscape(bytes, static_cast<char32_t>(utf8[0]));
        pos = 1;
    }
    while (pos < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80 && !MustEscape(b)) {
            bytes.push_back(static_cast<char>(b));
            ++pos;
            continue;
        }
        const char32_t ch = NextUtf8(utf8, pos);
        const auto byte = MustEscape(ch) ? std::nullopt : UnicodeToCp1250(ch);
        if (byte)
            bytes.push_back(static_cast<char>(*byte));
        else
            AppendEscape(bytes, ch);
    }
}

std::string Unescape(std::string_view utf8) {
    size_t mark = utf8.find(kEscapeMark);
    if (mark == std::string_view::npos) return std::string(utf8);
    std::string out(utf8.substr(0, mark));
    while (mark != std::string_view::npos) {
        // At most six hex digits and a ";" make a well-formed escape.
        size_t i = mark + 1;
        char32_t ch = 0;
        while (i < utf8.size() && i - mark <= 6 && HexDigit(utf8[i]) >= 0)
            ch = ch * 16 + static_cast<char32_t>(HexDigit(utf8[i++]));
        const bool ok = i > mark + 1 && i < utf8.size() && utf8[i] == ';' && ch <= 0x10FFFF &&
                        !(ch >= 0xD800 && ch <= 0xDFFF);
        size_t next;
        if (ok) {
            AppendUtf8(out, ch);
            next = i + 1;
        } else {
            out.push_back(kEscapeMark);
            next = mark + 1;
        }
        mark = utf8.find(kEscapeMark, next);
        out.append(utf8.substr(next, (mark == std::string_view::npos ? utf8.size() : mark) - next));
    }
    return out;
}

}  // namespace spf
