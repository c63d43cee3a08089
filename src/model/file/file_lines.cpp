#include "model/file/file_lines.h"

#include <cstring>

#include "model/text_utils.h"

namespace spf {

std::vector<std::string_view> SplitFileLines(std::string_view text) {
    const size_t nul = text.find('\0');
    return SplitLineBreaks(nul == std::string_view::npos ? text : text.substr(0, nul));
}

std::vector<std::string_view> SplitLineBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 24 + 1);
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        // memchr scans fast; a CR before the LF ends the line too.
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* stop = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(stop - p)));
        if (cr) {
            lines.emplace_back(p, static_cast<size_t>(cr - p));
            p = (cr + 1 == lf) ? lf + 1 : cr + 1;
        } else {
            lines.emplace_back(p, static_cast<size_t>(stop - p));
            p = lf ? lf + 1 : end;
        }
    }
    return lines;
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
