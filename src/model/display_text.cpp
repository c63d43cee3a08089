#include "model/display_text.h"

#include "model/text_utils.h"

namespace spf {

std::string ReplacePlaceholders(const Workbook& workbook, std::string text) {
    if (text.find('{') == std::string::npos) return text;
    std::string year, end, endShort;
    if (workbook.General.OkresInnyNizRok) {
        year = end = endShort = workbook.General.OkresBiezacy;
    } else {
        year = std::to_string(workbook.Header.RokBiezacy);
        end = (workbook.LangID == 1 ? "31 December " : "31 grudnia ") + year;
        endShort = "31.12." + year;
    }
    text = ReplaceAll(std::move(text), "{ROKA}", year);
    text = ReplaceAll(std::move(text), "{KONIECOKRESU}", end);
    return ReplaceAll(std::move(text), "{KONIECOKRESUSHORT}", endShort);
}

std::string CellDisplayText(const Workbook& workbook, const Grid& grid, int col, int row) {
    if (!grid.Contains(col, row)) return {};
    const Cell& cell = grid.At(col, row);
    if (col == 0) return std::to_string(row);
    if (row == 0) return std::string(1, static_cast<char>(64 + col));
    if (!cell.Props) return ReplacePlaceholders(workbook, cell.Cells);
    const TCellProps& p = *cell.Props;
    const std::string* shown = workbook.LangID == 1 ? &p.Text2 : &p.Text1;
    if (!p.Formula.empty()) shown = &p.Val;
    if (p.CellFormat > 0) shown = &cell.Cells;
    return ReplacePlaceholders(workbook, *shown);
}

}  // namespace spf
