#include "model/file/document_rules.h"

#include <set>

#include "model/file/value_forms.h"
#include "model/limits.h"
#include "model/text_utils.h"

namespace spf {

namespace {

bool Extents(const std::vector<int>& values, int count) {
    for (size_t i = 0; i < values.size() && i < static_cast<size_t>(count); ++i)
        if (values[i] < 0 || values[i] > kMaxExtent) return false;
    return true;
}

std::optional<std::string> SheetProblem(const TSheet& sheet) {
    const Grid& g = *sheet.Grid;
    if (g.Columns() > kMaxColumns)
        return std::to_string(g.Columns()) + " columns, more than " + std::to_string(kMaxColumns);
    if (g.Rows() > kMaxRows) return std::to_string(g.Rows()) + " rows, more than " + std::to_string(kMaxRows);
    if (!Extents(g.ColWidths, g.Columns()) || !Extents(sheet.MinColWidths, g.Columns()) ||
        !Extents(sheet.MaxColWidths, g.Columns()) || !Extents(g.RowHeights, g.Rows()))
        return "a width or height outside 0.." + std::to_string(kMaxExtent);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Columns(); ++c) {
            const TCellProps* p = g.At(c, r).Props.get();
            if (p && p->Merged && !MergedBlockInside(*p, g))
                return "cell (" + std::to_string(c) + "," + std::to_string(r) +
                       ") has a merged block outside the sheet";
        }
    return std::nullopt;
}

std::optional<std::string> HeaderProblem(const Workbook& wb) {
    const DocumentHeader& h = wb.Header;
    if (h.RokBiezacy < kFirstYear || h.RokBiezacy > kLastYear)
        return "the financial year " + std::to_string(h.RokBiezacy) + " is outside " +
               std::to_string(kFirstYear) + ".." + std::to_string(kLastYear);
    if (!IsFileDate(h.DataSporzadzenia) || !IsFileDate(h.AFBO) || !IsFileDate(h.AFBZ))
        return "a date outside the years 1..9999";
    if (wb.LangID != 0 && wb.LangID != 1)
        return "language " + std::to_string(wb.LangID) + " is neither 0 nor 1";
    if (!wb.NotesSelection.empty() && *wb.NotesSelection.begin() < 0) return "a negative note selection";
    return std::nullopt;
}

}  // namespace

bool IsSheetName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

std::string SheetNameAsRead(std::string_view gridName) {
    return std::string(StartsWith(gridName, "Grid_") ? gridName.substr(5) : gridName);
}

bool MergedBlockInside(const TCellProps& p, const Grid& g) {
    return p.MergLeft >= 1 && p.MergTop >= 1 && p.MergLeft <= p.MergRight && p.MergTop <= p.MergBottom &&
           p.MergRight < g.Columns() && p.MergBottom < g.Rows();
}

std::optional<std::string> UnwritableReason(const Workbook& wb) {
    if (auto problem = HeaderProblem(wb)) return problem;
    int sheets = 0;
    long long cells = 0;
    std::set<std::string> names;
    for (const TSheet& sheet : wb.Sheets) {
        if (!sheet.Grid) continue;
        if (++sheets > kMaxSheets) return "more than " + std::to_string(kMaxSheets) + " sheets";
        const std::string name = SheetNameAsRead(sheet.GridName);
        if (!IsSheetName(name)) return "the sheet name \"" + sheet.GridName + "\" is not an identifier";
        if (!names.insert(ToLowerAscii(name)).second) return "two sheets are named " + name;
        if (auto problem = SheetProblem(sheet)) return "sheet " + sheet.GridName + ": " + *problem;
        cells += static_cast<long long>(sheet.Grid->Columns()) * sheet.Grid->Rows();
        if (cells > kMaxCells) return "more than " + std::to_string(kMaxCells) + " cells";
    }
    return std::nullopt;
}

}  // namespace spf
