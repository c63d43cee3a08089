#include "export/exported_cell.h"

#include <charconv>
#include <cmath>

#include "model/amounts.h"
#include "model/display_text.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// The cell format of a value taken as it was typed or written.
constexpr int kTextAsWritten = 3;

}  // namespace

std::optional<int64_t> ShownHundredths(const std::string& shown) {
    std::string digits;
    for (char c : shown)
        if (c != ' ') digits += c;
    const auto value = ParseCommaNumber(digits);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > 9e15 / 100) return std::nullopt;
    return std::llround(*value * 100);
}

ExportedCell DescribeCell(const Workbook& workbook, const Grid& grid, int col, int row) {
    ExportedCell out;
    const Cell& cell = grid.At(col, row);
    const bool hidden =
        static_cast<size_t>(col) < grid.ColWidths.size() && grid.ColWidths[static_cast<size_t>(col)] == 0;
    if (!cell.Props || hidden) return out;
    const TCellProps& p = *cell.Props;
    // A damaged rectangle is drawn as a single cell, and exported as one.
    if (IsMergedCell(grid, col, row)) {
        if (!p.Base) return out;
        out.block = BlockOf(grid, col, row);
        out.merged = !out.block.single();
    }
    out.text = CellDisplayText(workbook, grid, col, row);
    if (p.CellFormat == kTextAsWritten) {
        // The program writes texts into these cells (note labels and
        // references, signature lines, headings): a text stays a text and a
        // blank stays blank; only a number goes over as one, as it is shown.
        const auto number = ShownHundredths(out.text);
        out.kind = number ? ExportedCell::Kind::Number : ExportedCell::Kind::Text;
        out.hundredths = number.value_or(0);
    } else if (p.CellFormat != 0) {
        out.kind = ExportedCell::Kind::Amount;
        out.hundredths = ShownHundredths(out.text).value_or(0);
    } else {
        out.kind = ExportedCell::Kind::Text;
    }
    out.top = p.CellTopWidth > 0;
    out.bottom = p.CellBottomWidth > 0;
    out.left = p.CellLeftWidth > 0;
    out.right = p.CellRightWidth > 0;
    out.indent = p.Indent;
    out.alignment = cell.CellAlignment;
    out.bold = cell.CellBold;
    return out;
}

std::optional<int> ProgramReadingScale(const Workbook& workbook, const Grid& grid, int col, int row) {
    const Cell& cell = grid.At(col, row);
    // What RANGE reads: Val, or the shown text of a cell without properties.
    std::string shownWithoutProps;
    std::string_view read = cell.Props ? std::string_view(cell.Props->Val) : std::string_view();
    if (!cell.Props) read = shownWithoutProps = CellDisplayText(workbook, grid, col, row);
    if (cell.Props && !cell.Props->Formula.empty() && !read.empty() && read.front() == '=')
        read.remove_prefix(1);
    read = Trim(read);
    int64_t reading = 0;
    if (!read.empty()) {
        const auto [end, error] = std::from_chars(read.data(), read.data() + read.size(), reading);
        if (error != std::errc() || end != read.data() + read.size()) return std::nullopt;
    }
    const ExportedCell exported = DescribeCell(workbook, grid, col, row);
    const bool blank = exported.kind == ExportedCell::Kind::Skipped ||
                       (exported.kind == ExportedCell::Kind::Text && Trim(exported.text).empty());
    if (blank) return reading == 0 ? std::optional<int>(1) : std::nullopt;
    if (exported.kind != ExportedCell::Kind::Amount && exported.kind != ExportedCell::Kind::Number)
        return std::nullopt;
    if (exported.hundredths == reading) return 1;
    if (exported.hundredths / 100 == reading && exported.hundredths % 100 == 0) return 0;
    return std::nullopt;
}

}  // namespace spf
