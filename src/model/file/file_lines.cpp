#include "model/file/file_lines.h"

#include "model/text_utils.h"

namespace spf {

std::vector<std::string_view> SplitFileLines(std::string_view text) {
    const size_t nul = text.find('\0');
    return SplitLineBreaks(nul == std::string_view::npos ? text : text.substr(0, nul));
}

std::vector<std::string_view> SplitLineBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 24 + 1);
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
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
