#include "model/file/spf_writer.h"

#include <cmath>
#include <string_view>

#include "model/colors.h"
#include "model/file/cp1250.h"
#include "model/file/file_lines.h"
#include "model/file/value_escape.h"
#include "model/file/value_forms.h"
#include "model/text_utils.h"

namespace spf {

namespace {

constexpr std::string_view kEol = "\r\n";

class Writer {
public:
    std::string out;

    void Record(std::string_view key, std::string_view asciiValue) {
        out += '[';
        out += key;
        out += '=';
        out += asciiValue;
        out += ']';
        out += kEol;
    }
    void Int(std::string_view key, long long value) { Record(key, std::to_string(value)); }
    // Dates are whole days.
    void Date(std::string_view key, double days) { Int(key, static_cast<long long>(std::trunc(days))); }
    void Text(std::string_view key, std::string_view utf8) {
        out += '[';
        out += key;
        out += '=';
        AppendEscaped(out, utf8);
        out += ']';
        out += kEol;
    }
    void Flag(std::string_view key) { Record(key, "1"); }
    void Line(std::string_view ascii) {
        out += ascii;
        out += kEol;
    }
    // A line read back exactly as written: trimmed as the reader trims it.
    void TextLine(std::string_view utf8, bool guardLead) {
        AppendEscaped(out, Trim(utf8), guardLead);
        out += kEol;
    }

    void Header(const Workbook& wb, int sheets) {
        const DocumentHeader& h = wb.Header;
        Int("FileVersion", kProgramVersion);
        Int("SheetsCount", sheets);
        Text("Miasto", h.Miasto);
        Text("Firma", h.Firma);
        Text("Osoba", h.Osoba);
        Int("RokBiezacy", h.RokBiezacy);
        Date("DataSporzadzenia", h.DataSporzadzenia);
        Int("Podatek1", h.Podatek1);
        Int("Podatek2", h.Podatek2);
        Int("AFAkcje1", h.AFAkcje1);
        Int("AFAkcje2", h.AFAkcje2);
        Int("AFAkcje3", h.AFAkcje3);
        Date("AFBO", h.AFBO);
        Date("AFBZ", h.AFBZ);
        Int("LangID", wb.LangID);
        for (int index : wb.NotesSelection) Int("Chckd", index);
    }

    void Sheet(const TSheet& sheet) {
        const Grid& g = *sheet.Grid;
        Line(";");
        Line("; ---------------------------------------------------------");
        Line(";");
        Text("GridName", sheet.GridName);
        Int("Columns", g.Columns());
        Int("Rows", g.Rows());
        Record("ColWidths", PerIndex(g.ColWidths, g.Columns(), 64, 64));
        Record("RowHeights", PerIndex(g.RowHeights, g.Rows(), 24, 24));
        Record("MinColWidths", PerIndex(sheet.MinColWidths, g.Columns(), 0, 0));
        Record("MaxColWidths", PerIndex(sheet.MaxColWidths, g.Columns(), 0, 1000));
        Record("RowsAdd", MarkedRows(g, &TCellProps::CanAdd));
        Record("RowsDel", MarkedRows(g, &TCellProps::CanDel));
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Columns(); ++c) CellBlock(g.At(c, r), c, r);
    }

private:
    // One value per index; indices past the vector get the reader's defaults.
    static std::string PerIndex(const std::vector<int>& values, int count, int first, int rest) {
        std::vector<int32_t> items(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            items[static_cast<size_t>(i)] = static_cast<size_t>(i) < values.size()
                                                ? values[static_cast<size_t>(i)]
                                                : (i == 0 ? first : rest);
        return FormatFileList(items);
    }

    static std::string MarkedRows(const Grid& g, bool TCellProps::*mark) {
        std::vector<int32_t> rows;
        for (int r = 1; r < g.Rows() && g.Columns() > 1; ++r) {
            const TCellProps* p = g.At(1, r).Props.get();
            if (p && p->*mark) rows.push_back(r);
        }
        return FormatFileList(rows);
    }

    void Border(int32_t width, int32_t color, std::string_view widthKey, std::string_view colorKey) {
        if (width == 0) return;
        Int(widthKey, width);
        Int(colorKey, color);
    }

    void CellBlock(const Cell& cell, int col, int row) {
        const size_t start = out.size();
        out += "[Cell=(";
        out += std::to_string(col);
        out += ',';
        out += std::to_string(row);
        out += ")]";
        out += kEol;
        const size_t header = out.size();

        const TCellProps* p = cell.Props.get();
        if (cell.CellColor != kSheetColor) Int("CellColor", cell.CellColor);
        if (cell.CellAlignment == Alignment::Center) Record("CellAlignment", "C");
        if (cell.CellAlignment == Alignment::Right) Record("CellAlignment", "R");
        if (p && !p->Formula.empty()) TextLine(p->Formula, false);
        if (p && !p->Val.empty()) Text("Val", p->Val);
        bool wroteText = false;
        if (!Trim(cell.Cells).empty()) {
            for (std::string_view line : SplitLineBreaks(cell.Cells)) {
                if (Trim(line).empty()) continue;  // the reader would drop it
                TextLine(line, true);
                wroteText = true;
            }
        }
        if (p) {
            // Without the record the reader would take the grid text as the Polish text.
            if (!p->Text1.empty() || wroteText) Text("Text1", p->Text1);
            if (!p->Text2.empty()) Text("Text2", p->Text2);
            if (p->CellFormat != 0) Int("CellFormat", p->CellFormat);
            Border(p->CellTopWidth, p->CellTopColor, "CellTopWidth", "CellTopColor");
            Border(p->CellBottomWidth, p->CellBottomColor, "CellBottomWidth", "CellBottomColor");
            Border(p->CellLeftWidth, p->CellLeftColor, "CellLeftWidth", "CellLeftColor");
            Border(p->CellRightWidth, p->CellRightColor, "CellRightWidth", "CellRightColor");
            if (p->Indent >= 1) Int("Indent", p->Indent);
            if (p->NoteSel >= 1) Int("NoteSel", p->NoteSel);
        }
        // Editability belongs to the grid cell, so it is kept with or without properties.
        if (cell.Edit) Flag("Edit");
        if (p && p->Merged) {
            Flag("Merged");
            if (p->Base) Flag("Base");
            Int("MergTop", p->MergTop);
            Int("MergBottom", p->MergBottom);
            Int("MergLeft", p->MergLeft);
            Int("MergRight", p->MergRight);
        }
        if (p)
            for (const TReference& ref : p->Ref) {
                out += "[Ref=";
                AppendEscaped(out, ref.SheetName);
                out += ';' + std::to_string(ref.Col) + ';' + std::to_string(ref.Row) + ']';
                out += kEol;
            }
        // Bold survives italics too (the notes list headings are both).
        if (cell.CellBold) Flag("CellBold");
        if (out.size() == header) out.resize(start);
    }
};

int SheetsWithGrid(const Workbook& wb) {
    int n = 0;
    for (const TSheet& s : wb.Sheets) n += s.Grid ? 1 : 0;
    return n;
}

}  // namespace

std::string WriteDocumentBytes(const Workbook& workbook) {
    Writer w;
    w.out.reserve(1 << 20);
    w.Header(workbook, SheetsWithGrid(workbook));
    for (const TSheet& sheet : workbook.Sheets)
        if (sheet.Grid) w.Sheet(sheet);
    return std::move(w.out);
}

std::vector<std::string> WriteDocumentLines(const Workbook& workbook) {
    const std::string text = Cp1250ToUtf8(WriteDocumentBytes(workbook));
    std::vector<std::string> lines;
    for (std::string_view line : SplitLineBreaks(text)) lines.emplace_back(line);
    return lines;
}

}  // namespace spf
