#include "formula/range_reader.h"

#include <functional>

#include "formula/cell_reader.h"

namespace spf {

RangeReader::RangeReader(EvaluationContext& context, const CellRange& range)
    : context_(context),
      range_(range),
      grid_(*context.workbook().Sheets[static_cast<size_t>(range.sheet)].Grid),
      dependant_(CalculatedDependant(context)) {
    if (!dependant_) return;
    key_ = {*dependant_, &grid_, range.left, range.top, range.right, range.bottom};
    if (RangeDependants::Indexed(range.left, range.top, range.right, range.bottom)) {
        // Listed before reading, so that a failure part way keeps the reader.
        indexed_ = true;
        context_.rangeReaders.Add(key_);
        return;
    }
    const CalculatedCell& calc = *context_.calculated;
    const Grid* own = context_.workbook().Sheets[static_cast<size_t>(calc.sheet)].Grid.get();
    // The record is of this formula: another one in the cell may read other cells first.
    if (own && own->Contains(calc.col, calc.row) && own->At(calc.col, calc.row).Props)
        formula_ = std::hash<std::string>{}(own->At(calc.col, calc.row).Props->Formula);
    const RangeRecord* record = context_.ranges.Find(key_);
    checking_ = record && record->formula == formula_;
    if (checking_) expected_ = record->cells;
}

void RangeReader::RecordIn(int col, int row) {
    Cell& cell = grid_.At(col, row);
    // A formula that reads its own cell does not depend on itself.
    if (cell.Props && !(*context_.calculated == CalculatedCell{range_.sheet, col, row}))
        hint_ = cell.Props->AddRef(*dependant_, hint_);
}

std::string_view RangeReader::Read(int col, int row) {
    lastCol_ = col;
    lastRow_ = row;
    if (dependant_ && !indexed_) {
        if (!checking_) RecordIn(col, row);
        fingerprint_ = RangeFingerprint(fingerprint_, grid_.At(col, row));
    }
    return CellValueText(context_.workbook(), grid_, col, row, shown_);
}

void RangeReader::RecordThrough(int col, int row) {
    fingerprint_ = 0;
    for (int c = range_.left; c <= range_.right; ++c)
        for (int r = range_.top; r <= range_.bottom; ++r) {
            RecordIn(c, r);
            fingerprint_ = RangeFingerprint(fingerprint_, grid_.At(c, r));
            if (c == col && r == row) return;
        }
}

void RangeReader::RecordFromHere() {
    remember_ = false;
    if (!checking_) return;
    checking_ = false;
    RecordThrough(lastCol_, lastRow_);
}

void RangeReader::Finish() {
    if (!dependant_ || indexed_) return;
    if (checking_) {
        if (fingerprint_ == expected_) return;
        RecordThrough(range_.right, range_.bottom);
    }
    if (remember_) context_.ranges.Store(key_, {formula_, fingerprint_});
}

void RangeReader::Abandon() {
    if (dependant_ && !indexed_ && checking_ && lastCol_ >= 0) RecordThrough(lastCol_, lastRow_);
}

}  // namespace spf
