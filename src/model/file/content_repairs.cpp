#include "model/file/content_repairs.h"

#include <string>

#include "model/colors.h"
#include "model/display_text.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"

namespace spf {

namespace {

bool IsBlank(const std::string& text) { return Trim(text).empty(); }

void RepairNota03(const Workbook& wb, Grid& g) {
    for (int r = 5; r < g.Rows(); ++r) {
        if (!g.Contains(5, r) || !IsBlank(CellDisplayText(wb, g, 2, r))) continue;
        CellProps(g, 4, r).CellFormat = 0;
        CellProps(g, 5, r).CellFormat = 0;
    }
}

void RepairNota17(const Workbook& wb, Grid& g) {
    if (g.Columns() <= 2) return;
    for (int r = 7; r < g.Rows(); ++r) {
        if (CellDisplayText(wb, g, 2, r).find("nieprzeterminowane") != std::string::npos) {
            TCellProps& p = CellProps(g, 2, r);
            if (r + 1 < g.Rows()) p.Indent = CellProps(g, 2, r + 1).Indent - 1;
            p.Text1 = "Stan na koniec roku, w tym:\r\n  \u2013 nieprzeterminowane";
        }
        const std::string shown = CellDisplayText(wb, g, 2, r);
        if (StartsWith(shown, "-")) CellProps(g, 2, r).Text1 = "\u2013" + shown.substr(1);
    }
}

void RepairNota10(Grid& g) {
    struct Label {
        const char* text;
        int row;
        bool found = false;
    };
    Label labels[] = {
        {"Koszty podatkowe nie zaliczone do koszt\u00f3w rachunkowych", 21},
        {"Przychody ksi\u0119gowe nie zaliczane do podatkowych", 26},
        {"Przychody podatkowe nie zaliczone do ksi\u0119gowych", 37},
        {"Odliczenie od dochodu (np. darowizny)", 40},
        {"Podstawa opodatkowania", 41},
        {"Podatek dochodowy bie\u017c\u0105cy", 0},
    };
    if (g.Columns() <= 5) return;
    for (int r = 8; r < g.Rows(); ++r)
        for (Label& label : labels)
            if (g.At(2, r).Cells.find(label.text) != std::string::npos) {
                label.row = r;
                label.found = true;
            }
    const auto ref = [&](int i) { return "RANGE('nota_10!E" + std::to_string(labels[i].row) + "')"; };
    const auto setFormula = [&](const Label& target, const std::string& formula) {
        if (!target.found) return;
        CellProps(g, 5, target.row).Formula = formula;
        g.At(5, target.row).HintCell = formula;
    };
    setFormula(labels[4], "=RANGE('nota_10!E6')+RANGE('nota_10!E7')-" + ref(0) + "-" + ref(1) + "+" + ref(2) +
                              "-" + ref(3));
    setFormula(labels[5], "=IF(" + ref(4) + ">0," + ref(4) + "*PODATEK/100,0)");
}

// Cells that older templates held as amounts but that carry text.
void MakeLeftText(Grid& g, int col, int row) {
    if (!g.Contains(col, row)) return;
    g.At(col, row).CellAlignment = Alignment::Left;
    CellProps(g, col, row).CellFormat = 0;
}

void Clear(Grid& g, int col, int row) {
    if (g.Contains(col, row)) ClearCell(g, col, row);
}

}  // namespace

void ApplyContentRepairs(Workbook& workbook) {
    if (Grid* g = workbook.FindGrid(std::string(sheets::kNota03))) RepairNota03(workbook, *g);
    if (Grid* g = workbook.FindGrid(std::string(sheets::kNota17))) RepairNota17(workbook, *g);
    if (Grid* g = workbook.FindGrid(std::string(sheets::kNota10))) RepairNota10(*g);
    if (Grid* g = workbook.FindGrid(std::string(sheets::kNota25))) {
        for (int r = 6; r <= 10; ++r) MakeLeftText(*g, 4, r);
        Clear(*g, 4, 11);
    }
    if (Grid* g = workbook.FindGrid(std::string(sheets::kNota13))) {
        MakeLeftText(*g, 3, 38);
        MakeLeftText(*g, 3, 39);
        Clear(*g, 3, 37);
        Clear(*g, 3, 40);
    }
    if (Grid* g = workbook.FindGrid(std::string(sheets::kWykazNot))) {
        for (int c = 2; c <= 4; ++c) {
            if (!g->Contains(c, 3)) continue;
            Cell& cell = g->At(c, 3);
            cell.CellItalic = true;
            cell.HasFontColor = true;
            cell.FontColor = kPurpleColor;
        }
    }
}

}  // namespace spf
