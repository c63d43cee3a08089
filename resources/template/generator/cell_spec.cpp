#include "cell_spec.h"

#include <stdexcept>

#include "formula_shorthand.h"
#include "model/colors.h"
#include "model/text_utils.h"
#include "source_lines.h"

namespace spf::tmpl {

namespace {

void ApplyModifier(CellSpec& spec, const std::string& m) {
    if (m == "b") spec.bold = true;
    else if (m == "nb") spec.bold = false;
    else if (m == "c") spec.align = Alignment::Center;
    else if (m == "r") spec.align = Alignment::Right;
    else if (m == "l") spec.align = Alignment::Left;
    else if (m == "white") spec.color = kInputColor;
    else if (m == "edit") spec.edit = true;
    else if (m.size() == 2 && m[0] == 'i' && m[1] >= '0' && m[1] <= '9') spec.indent = m[1] - '0';
    else if (StartsWith(m, "fmt=")) spec.format = std::stoi(m.substr(4));
    else if (StartsWith(m, "color=")) spec.color = std::stoi(m.substr(6));
    else if (StartsWith(m, "notesel=")) spec.noteSel = std::stoi(m.substr(8));
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
    CellSpec spec;
    const size_t sep = text.find("//");
    if (sep == std::string::npos) {
        spec.text1 = spec.text2 = std::string(Trim(text));
    } else {
        spec.text1 = std::string(Trim(text.substr(0, sep)));
        spec.text2 = std::string(Trim(text.substr(sep + 2)));
    }
    spec.kind = spec.text1.empty() && spec.text2.empty() ? CellKind::None : CellKind::Label;
    return spec;
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
    CellSpec spec;
    if (text.empty() || text == "-") spec.kind = CellKind::None;
    else if (text == "in") spec.kind = CellKind::AmountInput;
    else if (text == "intext") spec.kind = CellKind::TextInput;
    else if (text == "incount") spec.kind = CellKind::CountInput;
    else if (text == "t3" || StartsWith(text, "t3 ")) {
        spec.kind = CellKind::ProgramText;
        spec.text1 = spec.text2 = std::string(Trim(text.substr(2)));
    } else if (text[0] == '=') {
        spec.kind = CellKind::Formula;
        spec.body = text;
    } else if (StartsWith(text, "sum ")) {
        spec.kind = CellKind::Sum;
        spec.body = text.substr(4);
    } else {
        spec = LabelSpec(text);
    }
    spec.bold = modifiers.bold;
    spec.align = modifiers.align;
    spec.indent = modifiers.indent;
    spec.format = modifiers.format;
    spec.color = modifiers.color;
    spec.noteSel = modifiers.noteSel;
    spec.edit = modifiers.edit;
    return spec;
}

void ApplyCellSpec(const CellSpec& spec, Grid& grid, int col, int row, const FormulaContext& context) {
    if (spec.kind == CellKind::None && !spec.noteSel) return;
    Cell& cell = grid.At(col, row);
    // A later field for the same cell replaces what an earlier one made.
    if (spec.kind != CellKind::None) cell = Cell{};
    TCellProps& p = cell.EnsureProps();
    switch (spec.kind) {
    case CellKind::None:
        break;
    case CellKind::Label:
        p.Text1 = spec.text1;
        p.Text2 = spec.text2;
        cell.Cells = spec.text1;
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
        p.Formula = spec.kind == CellKind::Sum ? SumFormula(spec.body, context, col)
                                               : ExpandFormula(spec.body, context, col);
        cell.HintCell = p.Formula;
        SetNumber(cell, p, 2, "0,00");
        break;
    case CellKind::ProgramText:
        p.CellFormat = 3;
        cell.Cells = spec.text1;
        break;
    }
    if (spec.bold) cell.CellBold = *spec.bold;
    if (spec.align) cell.CellAlignment = *spec.align;
    if (spec.indent) p.Indent = *spec.indent;
    if (spec.color) cell.CellColor = *spec.color;
    if (spec.edit) cell.Edit = true;
    if (spec.noteSel) p.NoteSel = *spec.noteSel;
    if (spec.format) {
        p.CellFormat = *spec.format;
        // A formula shown as text (a year heading) has no amount until computed.
        if (*spec.format == 0 && (spec.kind == CellKind::Formula)) {
            p.Val.clear();
            cell.Cells.clear();
        }
    }
}

}  // namespace spf::tmpl
