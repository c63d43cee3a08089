// One cell of a template source: what the cell is (a label, an input, a
// formula, a text the program writes) and how it looks.
#pragma once

#include <optional>
#include <string>

#include "formula_shorthand.h"
#include "model/grid.h"

namespace spf::tmpl {

enum class CellKind { None, Label, AmountInput, TextInput, CountInput, Formula, Sum, ProgramText };

struct CellSpec {
    CellKind kind = CellKind::None;
    std::string text1;
    std::string text2;
    std::string body;  // the formula, or the row list of a sum
    std::optional<bool> bold;
    std::optional<Alignment> align;
    std::optional<int> indent;
    std::optional<int> format;
    std::optional<int> color;
    std::optional<int> noteSel;
    bool edit = false;

    bool IsInput() const {
        return kind == CellKind::AmountInput || kind == CellKind::TextInput || kind == CellKind::CountInput;
    }
};

// Throws std::invalid_argument on a cell kind it cannot read.
CellSpec ParseCellSpec(const std::string& text);

// A label in both languages: "Polski // English" (one text for both without " // ").
CellSpec LabelSpec(const std::string& text);

void ApplyCellSpec(const CellSpec& cellSpec, Grid& grid, int col, int row, const FormulaContext& context);

}  // namespace spf::tmpl
