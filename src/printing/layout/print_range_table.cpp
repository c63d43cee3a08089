#include "printing/layout/print_range_table.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>

#include "model/file/cp1250.h"
#include "model/text_utils.h"

namespace spf::print {

const std::string& PrintRangeLine::Cell(size_t column) const {
    static const std::string empty;
    return column < cells.size() ? cells[column] : empty;
}

int PrintRangeLine::Integer(size_t column) const {
    const std::string_view text = Trim(Cell(column));
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw PrintTableError(lineNumber, "column " + std::to_string(column) + " holds \"" +
                                              std::string(text) + "\", not an integer");
    return value;
}

PrintRangeTable ParsePrintRangeTable(std::string_view bytes) {
    const std::string text = Cp1250ToUtf8(bytes);
    PrintRangeTable table;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (number == 1) continue;
        PrintRangeLine parsed{number, {}};
        size_t from = 0;
        for (;;) {
            const size_t tab = line.find('\t', from);
            parsed.cells.emplace_back(
                line.substr(from, tab == std::string_view::npos ? line.npos : tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        table.lines.push_back(std::move(parsed));
    }
    return table;
}

PrintRangeTable ReadPrintRangeTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PrintTableError(0, std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw PrintTableError(0, std::strerror(errno));
    return ParsePrintRangeTable(bytes.str());
}

}  // namespace spf::print
