#include "model/file/line_repairs.h"

#include <utility>

#include "model/text_utils.h"

namespace spf {

namespace {

constexpr std::string_view kRangeOpen = "range(";

// Case-insensitive search for a lower-case ASCII needle. Every line of every
// file passes through here, so it skips ahead to the needle's first letter.
size_t FindNoCase(std::string_view haystack, std::string_view lowerNeedle, size_t from = 0) {
    const size_t n = lowerNeedle.size();
    const char first = lowerNeedle[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 32) : first;
    for (size_t i = from; i + n <= haystack.size(); ++i) {
        if (haystack[i] != first && haystack[i] != firstUpper) continue;
        size_t k = 1;
        for (; k < n; ++k) {
            char c = haystack[i + k];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            if (c != lowerNeedle[k]) break;
        }
        if (k == n) return i;
    }
    return std::string_view::npos;
}

constexpr std::pair<std::string_view, std::string_view> kOptionReferences[] = {
    {"RANGE('Opcje!A1')", "ROKA"},    {"RANGE('Opcje!B1')", "ROKB"},    {"RANGE('Opcje!C1')", "MIASTO"},
    {"RANGE('Opcje!D1')", "DZISIAJ"}, {"RANGE('Opcje!E1')", "DZISIAJ"}, {"RANGE('Opcje!F1')", "DZISIAJROK"},
    {"RANGE('Opcje!G1')", "FIRMA"},   {"RANGE('Opcje!K1')", "PODATEK"},
};

std::string QualifyReferences(const std::string& line, std::string_view sheet) {
    std::string out;
    out.reserve(line.size() + 32);
    size_t pos = 0;
    while (true) {
        const size_t hit = FindNoCase(line, kRangeOpen, pos);
        if (hit == std::string::npos) break;
        const size_t arg = hit + kRangeOpen.size();
        const size_t close = line.find(')', arg);
        if (close == std::string::npos) break;
        const std::string_view argument(line.data() + arg, close + 1 - arg);
        out.append(line, pos, arg - pos);
        // Only a quoted reference names a cell; anything else is left as written.
        if (!sheet.empty() && argument.find('!') == std::string_view::npos && argument.front() == '\'') {
            out += '\'';
            out += sheet;
            out += '!';
            out.append(argument.substr(1));
        } else {
            out.append(argument);
        }
        pos = close + 1;
    }
    out.append(line, pos, std::string::npos);
    return out;
}

}  // namespace

std::string_view RepairFixedLine(std::string_view line) {
    static constexpr std::string_view kOldTaxReference = "=RANGE('nota_10!E42')";
    static constexpr std::string_view kTaxReference = "=RANGE('nota_10!E45')";
    return line == kOldTaxReference ? kTaxReference : line;
}

size_t RatioSheetStart(std::string_view text) {
    size_t last = std::string_view::npos;
    // The name may carry the "Grid_" that reading drops; a copy left behind
    // under it would clash with the built-in sheet.
    for (std::string_view needle :
         {std::string_view("gridname=af_wskazniki"), std::string_view("gridname=grid_af_wskazniki")})
        for (size_t at = FindNoCase(text, needle); at != std::string_view::npos;
             at = FindNoCase(text, needle, at + 1))
            if (last == std::string_view::npos || at > last) last = at;
    if (last == std::string_view::npos) return last;
    const size_t lineEnd = text.find_last_of("\r\n", last);
    return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

bool RewriteLine(std::string_view line, std::string_view currentSheet, std::string& out) {
    if (FindNoCase(line, kRangeOpen) == std::string_view::npos) return false;
    std::string text(line);
    if (FindNoCase(text, "'opcje!") != std::string::npos)
        for (const auto& [reference, identifier] : kOptionReferences)
            text = ReplaceAllIgnoreCase(text, reference, identifier);
    text = QualifyReferences(text, currentSheet);
    if (text == line) return false;
    out = std::move(text);
    return true;
}

}  // namespace spf
