#include "source_lines.h"

#include <fstream>
#include <sstream>

#include "model/text_utils.h"
#include "source_error.h"

namespace spf::tmpl {

std::vector<SourceLine> ReadSourceLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path, 0, "cannot open the file");
    std::vector<SourceLine> lines;
    std::string raw;
    int number = 0;
    bool continuing = false;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string text(Trim(raw));
        if (!continuing && (text.empty() || text.front() == '#')) continue;
        const bool continues = !text.empty() && text.back() == '\\';
        if (continues) text.pop_back();
        if (continuing) {
            lines.back().text += " " + std::string(Trim(text));
        } else {
            lines.push_back({number, text});
        }
        continuing = continues;
    }
    return lines;
}

std::vector<std::string> SplitTokens(const std::string& text) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            const size_t end = close == std::string::npos ? text.size() : close;
            token = text.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            const size_t space = text.find(' ', i);
            const size_t end = space == std::string::npos ? text.size() : space;
            token = text.substr(i, end - i);
            i = end;
        }
        tokens.push_back(token);
    }
    return tokens;
}

std::vector<std::string> SplitTrimmed(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    while (true) {
        const size_t at = text.find(separator, from);
        const size_t end = at == std::string::npos ? text.size() : at;
        pieces.emplace_back(Trim(std::string_view(text).substr(from, end - from)));
        if (at == std::string::npos) break;
        from = at + separator.size();
    }
    return pieces;
}

}  // namespace spf::tmpl
