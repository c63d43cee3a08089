// dump: the cells of a document as tab-separated lines.
#include <ostream>
#include <set>

#include "cli/command.h"
#include "cli/document_access.h"
#include "cli/tsv.h"
#include "model/colors.h"
#include "model/display_text.h"
#include "model/text_utils.h"

namespace spf::cli {

namespace {

const char* AlignmentLetter(Alignment a) {
    return a == Alignment::Center ? "C" : a == Alignment::Right ? "R" : "L";
}

int RunDump(const Invocation& inv) {
    const std::string& path = inv.args.positional[0];
    const Workbook wb = LoadDocument(path);
    std::set<int> chosen;
    for (const std::string& name : inv.args.Values("--sheet")) {
        const int index = wb.FindSheet(name);
        if (index < 0) throw Failure(path + ": no sheet named " + name);
        chosen.insert(index);
    }
    const bool props = inv.args.Has("--props");
    std::vector<std::string> header = {"sheet", "cell",    "col",    "row",  "shown", "grid",
                                       "val",   "formula", "format", "edit", "text1", "text2"};
    if (props) header.insert(header.end(), {"align", "bold", "color", "indent", "notesel", "merge"});
    WriteTsvLine(inv.out, header);

    static const TCellProps kNoProps;
    for (size_t s = 0; s < wb.Sheets.size(); ++s) {
        if (!chosen.empty() && !chosen.count(static_cast<int>(s))) continue;
        const TSheet& sheet = wb.Sheets[s];
        const Grid& g = *sheet.Grid;
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Columns(); ++c) {
                const Cell& cell = g.At(c, r);
                const TCellProps& p = cell.Props ? *cell.Props : kNoProps;
                const std::string shown = CellDisplayText(wb, g, c, r);
                bool listed = !shown.empty() || !cell.Cells.empty() || !p.Val.empty() || !p.Formula.empty() ||
                              !p.Text1.empty() || !p.Text2.empty() || p.CellFormat != 0 || cell.Edit;
                if (props)
                    listed = listed || cell.CellAlignment != Alignment::Left || cell.CellBold ||
                             cell.CellColor != kSheetColor || p.Indent != 0 || p.NoteSel != 0 || p.Merged;
                if (!listed) continue;
                std::vector<std::string> fields = {sheet.GridName,
                                                   CellName(sheet.GridName, c, r),
                                                   std::to_string(c),
                                                   std::to_string(r),
                                                   shown,
                                                   cell.Cells,
                                                   p.Val,
                                                   p.Formula,
                                                   std::to_string(p.CellFormat),
                                                   cell.Edit ? "1" : "0",
                                                   p.Text1,
                                                   p.Text2};
                if (props) {
                    const std::string merge =
                        p.Merged ? std::to_string(p.MergLeft) + "," + std::to_string(p.MergTop) + "," +
                                       std::to_string(p.MergRight) + "," + std::to_string(p.MergBottom)
                                 : std::string();
                    fields.insert(fields.end(), {AlignmentLetter(cell.CellAlignment),
                                                 cell.CellBold ? "1" : "0", std::to_string(cell.CellColor),
                                                 std::to_string(p.Indent), std::to_string(p.NoteSel), merge});
                }
                WriteTsvLine(inv.out, fields);
            }
    }
    return 0;
}

}  // namespace

Command MakeDumpCommand() {
    return {"dump",
            "dump FILE [--sheet NAME]... [--props]",
            "Prints the cells of every sheet, or of the named sheets, as tab-separated lines:\n"
            "sheet, cell, col, row, shown, grid, val, formula, format, edit, text1, text2.\n"
            "Inside a field \\, tab, CR and LF are written \\\\, \\t, \\r and \\n.",
            {{"--sheet", "NAME", "only this sheet (may be repeated)", true},
             {"--props", "", "add align, bold, color, indent, notesel and merge (L,T,R,B)"}},
            1,
            1,
            RunDump};
}

}  // namespace spf::cli
