#include "model/file/file_lines.h"

#include <cstring>

#include "model/text_utils.h"

namespace spf {

bool LineCursor::Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const char* const begin = text_.data();
    const char* p = begin + pos_;
    const char* const end = begin + text_.size();
    // memchr scans fast; a CR before the LF ends the line too.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char* stop = lf ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(stop - p)));
    if (cr) {
        line = std::string_view(p, static_cast<size_t>(cr - p));
        pos_ = static_cast<size_t>(((cr + 1 == lf) ? lf + 1 : cr + 1) - begin);
        terminated_ = true;
    } else {
        line = std::string_view(p, static_cast<size_t>(stop - p));
        pos_ = static_cast<size_t>((lf ? lf + 1 : end) - begin);
        terminated_ = lf != nullptr;
    }
    return true;
}

std::vector<std::string_view> SplitLineBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.Next(line)) lines.push_back(line);
    return lines;
}

int LineAt(std::string_view text, size_t offset) {
    LineCursor cursor(text);
    std::string_view line;
    int number = 0;
    while (cursor.Next(line)) {
        ++number;
        if (cursor.Offset() > offset) break;
    }
    return number == 0 ? 1 : number;
}

ClassifiedLine ClassifyLine(std::string_view line) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        const std::string_view inner = line.substr(1, line.size() - 2);
        const size_t eq = inner.find('=');
        const std::string_view key = inner.substr(0, eq);
        if (!key.empty())
            return {LineKind::Record, key,
                    eq == std::string_view::npos ? std::string_view{} : inner.substr(eq + 1)};
    }
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) return {LineKind::Blank, {}, {}};
    if (trimmed.front() == ';') return {LineKind::Comment, {}, {}};
    return {LineKind::Text, {}, trimmed};
}

}  // namespace spf
