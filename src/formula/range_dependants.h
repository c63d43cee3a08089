// The readers of large ranges, one entry per formula cell and range. Listing
// the reader in every cell of a whole-sheet sum would take one entry per cell
// per reader: tens of millions for a few tens of such sums. Smaller ranges
// list their reader in each cell's Ref, as single cells do.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "formula/range_records.h"
#include "model/workbook.h"

namespace spf {

class RangeDependants {
public:
    // Whether a range of this size is listed here rather than in its cells.
    static bool Indexed(int left, int top, int right, int bottom);

    // Lists key.reader as reading the rectangle of key.grid; once.
    void Add(const RangeKey& key);

    // The readers of a cell, as its Ref entries followed by the readers of the
    // listed ranges that cover it. Position starts at 0 and is advanced past the
    // reader returned; nullptr when none is left. A cell without properties has
    // no readers, and a formula is never a reader of its own cell.
    const TReference* NextReader(const TSheet& sheet, int col, int row, size_t& position) const;

private:
    std::unordered_set<RangeKey, RangeKeyHash> known_;
    std::unordered_map<const Grid*, std::vector<RangeKey>> bySheet_;
};

}  // namespace spf
