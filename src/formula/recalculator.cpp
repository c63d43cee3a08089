#include "formula/recalculator.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "formula/cell_reference.h"
#include "formula/edit_permission.h"
#include "formula/expression/number_text.h"
#include "formula/formula_pipeline.h"
#include "formula/nota10_rule.h"
#include "model/amounts.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// Val (hundredths) as the grid text of an amount: 123456 -> "1234,56".
// Beyond the whole numbers a double holds exactly an amount can no longer be
// added up or re-read exactly, so it fails rather than show a rounded figure.
std::optional<std::string> AmountText(const std::string& val) {
    const std::string_view text = Trim(val);
    // Whole hundredths, the usual case, are written exactly.
    if (const auto whole = expr::WholeNumberValue(text)) {
        const auto limit = static_cast<int64_t>(expr::kExactWholeLimit);
        if (*whole >= limit || *whole <= -limit) return std::nullopt;
        return FormatHundredths(*whole);
    }
    const auto x = ParseCommaNumber(text);
    if (!x || !(std::fabs(*x) < expr::kExactWholeLimit)) return std::nullopt;
    const int size = std::snprintf(nullptr, 0, "%.2f", *x / 100);
    std::string shown(static_cast<size_t>(size), '\0');
    std::snprintf(shown.data(), shown.size() + 1, "%.2f", *x / 100);
    for (char& c : shown)
        if (c == '.') c = ',';
    return shown;
}

// Rounds after the first pass. One settles references without cycles; more
// are needed only where a formula read a cell for the first time in the
// round before. A cycle whose values never settle ends here.
constexpr int kMaxFollowUpRounds = 10;

bool HasFormula(const Cell& cell) { return cell.Props && !cell.Props->Formula.empty(); }

// What a calculation may change in a cell.
struct CellState {
    std::string val;
    std::string shown;

    explicit CellState(const Cell& cell)
        : val(cell.Props ? cell.Props->Val : std::string()), shown(cell.Cells) {}
    bool operator==(const CellState&) const = default;
};

class SuspendPropagation {
public:
    explicit SuspendPropagation(bool& flag) : flag_(flag) { flag_ = true; }
    ~SuspendPropagation() { flag_ = false; }
    SuspendPropagation(const SuspendPropagation&) = delete;
    SuspendPropagation& operator=(const SuspendPropagation&) = delete;

private:
    bool& flag_;
};

}  // namespace

bool Recalculator::ValidSheet(int sheet) const {
    const Workbook& wb = context_.workbook();
    return sheet >= 0 && sheet < static_cast<int>(wb.Sheets.size()) &&
           wb.Sheets[static_cast<size_t>(sheet)].Grid;
}

bool Recalculator::CalculateOne(int sheet, int col, int row) {
    TSheet& sh = context_.workbook().Sheets[static_cast<size_t>(sheet)];
    Grid& grid = *sh.Grid;
    if (CellMayBeEdited(grid, col, row)) return false;
    Trace(context_.trace, "clcCll:", "");
    context_.calculated = CalculatedCell{sheet, col, row};
    if (!grid.Contains(col, row)) return false;
    if (context_.trace) Trace(context_.trace, sh.GridName, std::to_string(col) + "," + std::to_string(row));

    Cell& cell = grid.At(col, row);
    if (!cell.Props || cell.Props->Formula.empty()) return true;
    TCellProps& props = *cell.Props;
    props.Val = EvaluateFormula(context_, props.Formula, sheet);
    ApplyNota10Rule(sh, row);
    if (props.CellFormat <= 0) {
        cell.Cells = props.Val;
        return true;
    }
    if (auto shown = AmountText(props.Val)) {
        cell.Cells = std::move(*shown);
        ApplyNota10Rule(sh, row);
    } else {
        props.Val = kFailedAmount;
        cell.Cells = kFailedAmount;
    }
    return true;
}

void Recalculator::Propagate(DependantOrder::Starts again) {
    // The walk reads only the dependants; calculating may add to them,
    // which the next propagation follows.
    const auto& order = dependants_.Collect(context_.workbook(), context_.rangeReaders, starts_, again);
    for (const CalculatedCell& c : order) CalculateOne(c.sheet, c.col, c.row);
}

void Recalculator::CalculateCell(int sheet, int col, int row) {
    if (!ValidSheet(sheet) || !CalculateOne(sheet, col, row) || propagationSuspended_) return;
    starts_.assign(1, CalculatedCell{sheet, col, row});
    Propagate(DependantOrder::Starts::NeverAgain);
}

void Recalculator::CalculateCells(int sheet, int left, int top, int right, int bottom) {
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r) CalculateCell(sheet, c, r);
}

// Passing each cell's change on right after calculating it would calculate
// the cells that read several of them again and again; one propagation after
// the loop, in dependency order, leaves every cell with the same value.
void Recalculator::SheetLoop(int sheet) {
    TSheet& sh = context_.workbook().Sheets[static_cast<size_t>(sheet)];
    Grid& grid = *sh.Grid;
    starts_.clear();
    for (int c = 1; c < grid.Columns(); ++c)
        for (int r = 1; r < grid.Rows(); ++r) {
            if (CalculateOne(sheet, c, r)) starts_.push_back({sheet, c, r});
            ApplyNota10Rule(sh, r);
            const Cell& cell = grid.At(c, r);
            // Re-reading a failure marker as an amount would blank it; it stays.
            if (cell.Props && cell.Props->CellFormat > 0 && cell.Props->CellFormat != 3 &&
                cell.Cells != kFailedAmount)
                FormatujLiczbe(grid, c, r);
        }
    if (!propagationSuspended_) Propagate(DependantOrder::Starts::AgainWhenReached);
}

bool Recalculator::RecalculateSheet(int sheet) {
    if (!ValidSheet(sheet)) return false;
    try {
        if (context_.workbook().Sheets[static_cast<size_t>(sheet)].GridName.find("Wskazniki") !=
            std::string::npos) {
            RecalculateNamedSheet(std::string(sheets::kAfBilans));
            RecalculateNamedSheet(std::string(sheets::kAfRzis));
        }
        SheetLoop(sheet);
        return true;
    } catch (...) {
        return false;
    }
}

bool Recalculator::RecalculateNamedSheet(const std::string& gridName) {
    const int sheet = FindSheetExact(context_.workbook(), gridName);
    if (sheet < 0) return false;
    try {
        SheetLoop(sheet);
        return true;
    } catch (...) {
        return false;
    }
}

void Recalculator::CalculateNoting(int sheet, int col, int row) {
    TSheet& sh = context_.workbook().Sheets[static_cast<size_t>(sheet)];
    Grid& grid = *sh.Grid;
    if (!grid.Contains(col, row) || !HasFormula(grid.At(col, row))) {
        CalculateOne(sheet, col, row);
        return;
    }
    // Calculating any cell of a tax row of nota_10 may round its E cell.
    std::optional<CellState> roundedBefore;
    if (col != kNota10AmountColumn && Nota10RuleApplies(sh, row))
        roundedBefore.emplace(grid.At(kNota10AmountColumn, row));
    const CellState before(grid.At(col, row));
    if (!CalculateOne(sheet, col, row)) return;
    const uint64_t at = stamps_.Next();
    stamps_.Mark(context_.workbook(), {sheet, col, row}, at);
    if (CellState(grid.At(col, row)) != before) changes_.push_back({{sheet, col, row}, at});
    if (roundedBefore && CellState(grid.At(kNota10AmountColumn, row)) != *roundedBefore)
        changes_.push_back({{sheet, kNota10AmountColumn, row}, at});
}

bool Recalculator::MissedByAReader(const Change& change) {
    const Workbook& wb = context_.workbook();
    const TSheet& changed = wb.Sheets[static_cast<size_t>(change.cell.sheet)];
    size_t position = 0;
    while (const TReference* reader =
               context_.rangeReaders.NextReader(changed, change.cell.col, change.cell.row, position)) {
        const TReference& ref = *reader;
        const int sheet = context_.sheets.Find(ref.SheetName);
        if (sheet < 0) continue;
        const Grid& grid = *wb.Sheets[static_cast<size_t>(sheet)].Grid;
        if (!grid.Contains(ref.Col, ref.Row) || !HasFormula(grid.At(ref.Col, ref.Row)) ||
            CellMayBeEdited(grid, ref.Col, ref.Row))
            continue;
        // A reader calculated with the change itself (a nota_10 rounding) read the cell before it.
        if (stamps_.Of(wb, {sheet, ref.Col, ref.Row}) <= change.at) return true;
    }
    return false;
}

bool Recalculator::RecalculateWorkbook() {
    SuspendPropagation suspended(propagationSuspended_);
    try {
        Workbook& wb = context_.workbook();
        changes_.clear();
        for (int s = 0; s < static_cast<int>(wb.Sheets.size()); ++s) {
            if (!ValidSheet(s)) continue;
            const Grid& grid = *wb.Sheets[static_cast<size_t>(s)].Grid;
            for (int c = 1; c < grid.Columns(); ++c)
                for (int r = 1; r < grid.Rows(); ++r) CalculateNoting(s, c, r);
        }
        for (int round = 0; round < kMaxFollowUpRounds; ++round) {
            context_.sheets.Refresh(wb);
            starts_.clear();
            for (const Change& change : changes_)
                if (MissedByAReader(change)) starts_.push_back(change.cell);
            if (starts_.empty()) break;
            changes_.clear();
            for (const CalculatedCell& c : dependants_.Collect(wb, context_.rangeReaders, starts_,
                                                               DependantOrder::Starts::AgainWhenReached))
                CalculateNoting(c.sheet, c.col, c.row);
        }
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace spf
