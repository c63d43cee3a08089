#include "cell_spec.h"

#include <stdexcept>

#include "formula_shorthand.h"
#include "model/colors.h"
#include "model/text_utils.h"
#include "source_lines.h"

namespace spf::tmpl {

namespace {

void ApplyModifier(CellSpec& cellSpec, const std::string& m) {
    if (m == "b") cellSpec.bold = true;
    else if (m == "nb") cellSpec.bold = false;
    else if (m == "c") cellSpec.align = Alignment::Center;
    else if (m == "r") cellSpec.align = Alignment::Right;
    else if (m == "l") cellSpec.align = Alignment::Left;
    else if (m == "white") cellSpec.color = kInputColor;
    else if (m == "edit") cellSpec.edit = true;
    else if (m.size() == 2 && m[0] == 'i' && m[1] >= '0' && m[1] <= '9') cellSpec.indent = m[1] - '0';
    else if (StartsWith(m, "fmt=")) cellSpec.format = std::stoi(m.substr(4));
    else if (StartsWith(m, "color=")) cellSpec.color = std::stoi(m.substr(6));
    else if (StartsWith(m, "notesel=")) cellSpec.noteSel = std::stoi(m.substr(8));
    else throw std::invalid_argument("unknown modifier {" + m + "}");
}

void MakeInput(Cell& cell) {
    cell.Edit = true;
    cell.CellColor = kInputColor;
}

// A right-aligned number that starts at zero.
void SetNumber(Cell& cell, TCellProps& p, int format, const char* shown) {
    cell.CellAlignment = Alignment::Right;
    p.CellFormat = format;
    p.Val = "0";
    cell.Cells = shown;
}

}  // namespace

CellSpec LabelSpec(const std::string& text) {
    CellSpec cellSpec;
    const size_t sep = text.find("//");
    if (sep == std::string::npos) {
        cellSpec.text1 = cellSpec.text2 = std::string(Trim(text));
    } else {
        cellSpec.text1 = std::string(Trim(text.substr(0, sep)));
        cellSpec.text2 = std::string(Trim(text.substr(sep + 2)));
    }
    cellSpec.kind = cellSpec.text1.empty() && cellSpec.text2.empty() ? CellKind::None : CellKind::Label;
    return cellSpec;
}

CellSpec ParseCellSpec(const std::string& source) {
    std::string text(Trim(source));
    CellSpec modifiers;
    if (!text.empty() && text[0] == '{') {
        const size_t close = text.find('}');
        if (close == std::string::npos) throw std::invalid_argument("unclosed { in " + source);
        for (const std::string& m : SplitTrimmed(text.substr(1, close - 1), ","))
            if (!m.empty()) ApplyModifier(modifiers, m);
        text = std::string(Trim(text.substr(close + 1)));
    }
    CellSpec cellSpec;
    if (text.empty() || text == "-") cellSpec.kind = CellKind::None;
    else if (text == "in") cellSpec.kind = CellKind::AmountInput;
    else if (text == "intext") cellSpec.kind = CellKind::TextInput;
    else if (text == "incount") cellSpec.kind = CellKind::CountInput;
    else if (text == "t3" || StartsWith(text, "t3 ")) {
        cellSpec.kind = CellKind::ProgramText;
        cellSpec.text1 = cellSpec.text2 = std::string(Trim(text.substr(2)));
    } else if (text[0] == '=') {
        cellSpec.kind = CellKind::Formula;
        cellSpec.body = text;
    } else if (StartsWith(text, "sum ")) {
        cellSpec.kind = CellKind::Sum;
        cellSpec.body = text.substr(4);
    } else {
        cellSpec = LabelSpec(text);
    }
    cellSpec.bold = modifiers.bold;
    cellSpec.align = modifiers.align;
    cellSpec.indent = modifiers.indent;
    cellSpec.format = modifiers.format;
    cellSpec.color = modifiers.color;
    cellSpec.noteSel = modifiers.noteSel;
    cellSpec.edit = modifiers.edit;
    return cellSpec;
}

void ApplyCellSpec(const CellSpec& cellSpec, Grid& grid, int col, int row, const FormulaContext& context) {
    if (cellSpec.kind == CellKind::None && !cellSpec.noteSel) return;
    Cell& cell = grid.At(col, row);
    // A later field for the same cell replaces what an earlier one made.
    if (cellSpec.kind != CellKind::None) cell = Cell{};
    TCellProps& p = cell.EnsureProps();
    switch (cellSpec.kind) {
    case CellKind::None:
        break;
    case CellKind::Label:
        p.Text1 = cellSpec.text1;
        p.Text2 = cellSpec.text2;
        cell.Cells = cellSpec.text1;
        break;
    case CellKind::AmountInput:
        // Inputs start at zero, never empty: the rollover skips empty cells.
        MakeInput(cell);
        SetNumber(cell, p, 2, "0,00");
        break;
    case CellKind::TextInput:
        MakeInput(cell);
        break;
    case CellKind::CountInput:
        MakeInput(cell);
        SetNumber(cell, p, 3, "0");
        break;
    case CellKind::Formula:
    case CellKind::Sum:
        p.Formula = cellSpec.kind == CellKind::Sum ? SumFormula(cellSpec.body, context, col)
                                               : ExpandFormula(cellSpec.body, context, col);
        cell.HintCell = p.Formula;
        SetNumber(cell, p, 2, "0,00");
        break;
    case CellKind::ProgramText:
        p.CellFormat = 3;
        cell.Cells = cellSpec.text1;
        break;
    }
    if (cellSpec.bold) cell.CellBold = *cellSpec.bold;
    if (cellSpec.align) cell.CellAlignment = *cellSpec.align;
    if (cellSpec.indent) p.Indent = *cellSpec.indent;
    if (cellSpec.color) cell.CellColor = *cellSpec.color;
    if (cellSpec.edit) cell.Edit = true;
    if (cellSpec.noteSel) p.NoteSel = *cellSpec.noteSel;
    if (cellSpec.format) {
        p.CellFormat = *cellSpec.format;
        // A formula shown as text (a year heading) has no amount until computed.
        if (*cellSpec.format == 0 && (cellSpec.kind == CellKind::Formula)) {
            p.Val.clear();
            cell.Cells.clear();
        }
    }
}

}  // namespace spf::tmpl
