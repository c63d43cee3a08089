// Small workbooks for the formula tests, built through the model: sheets of
// any size, input amounts, formula cells and texts addressed as in formulas.
#pragma once

#include <string>

#include "formula/formula_pipeline.h"
#include "formula/recalculator.h"
#include "model/amounts.h"
#include "model/workbook.h"
#include "test_sheets.h"

namespace spf::test {

struct Address {
    int col;
    int row;
};

// "E42" -> (5, 42); one column letter is all the fixtures need.
inline Address At(const std::string& address) { return {address[0] - 'A' + 1, std::stoi(address.substr(1))}; }

class FixtureBook {
public:
    FixtureBook() { wb.Header.RokBiezacy = 2004; }

    Grid& AddSheet(const std::string& name, int columns = 8, int rows = 12) {
        return *test::AddSheet(wb, name, columns, rows).Grid;
    }

    int Index(const std::string& sheet) const { return wb.FindSheet(sheet); }
    Grid& G(const std::string& sheet) { return *wb.FindGrid(sheet); }
    Cell& C(const std::string& sheet, const std::string& address) {
        const Address a = At(address);
        return G(sheet).At(a.col, a.row);
    }

    // An editable amount cell as the user left it (Val in hundredths).
    void Input(const std::string& sheet, const std::string& address, int64_t hundredths) {
        Cell& cell = C(sheet, address);
        cell.Edit = true;
        cell.Cells = FormatHundredths(hundredths);
        TCellProps& p = cell.EnsureProps();
        p.CellFormat = 2;
        p.Val = std::to_string(hundredths);
    }

    // A cell holding only a Val, as the value of an earlier computation.
    void Value(const std::string& sheet, const std::string& address, const std::string& val) {
        C(sheet, address).EnsureProps().Val = val;
    }

    void Formula(const std::string& sheet, const std::string& address, const std::string& formula,
                 int cellFormat = 2) {
        TCellProps& p = C(sheet, address).EnsureProps();
        p.Formula = formula;
        p.CellFormat = cellFormat;
    }

    void Text(const std::string& sheet, const std::string& address, const std::string& text) {
        Cell& cell = C(sheet, address);
        cell.Cells = text;
        cell.EnsureProps().Text1 = text;
        cell.Props->Val = text;  // as cell entry leaves it
    }

    std::string Val(const std::string& sheet, const std::string& address) {
        const Cell& cell = C(sheet, address);
        return cell.Props ? cell.Props->Val : std::string();
    }
    std::string Shown(const std::string& sheet, const std::string& address) {
        return C(sheet, address).Cells;
    }

    void Calculate(const std::string& sheet, const std::string& address) {
        const Address a = At(address);
        recalc.CalculateCell(Index(sheet), a.col, a.row);
    }

    // The pipeline for a formula of the sheet, outside any cell calculation.
    std::string Evaluate(const std::string& sheet, const std::string& formula) {
        recalc.context().calculated.reset();
        return EvaluateFormula(recalc.context(), formula, Index(sheet));
    }

    Workbook wb;
    FixedClock clock{DaysFromCivil({2005, 3, 7})};
    Recalculator recalc{wb, clock};
};

}  // namespace spf::test
