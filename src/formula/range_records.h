// The ranges whose cells are known to list a formula cell among their
// dependants: a formula that reads a range of thousands of cells, each with
// tens of readers, would otherwise look itself up in every cell at every
// evaluation. A record holds what the range's cells were when it was made;
// it stands only while they are the same cells.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "model/grid.h"
#include "model/workbook.h"

namespace spf {

struct RangeKey {
    TReference reader;           // the formula cell, as its dependant entries name it
    const Grid* grid = nullptr;  // the range's sheet
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const RangeKey&) const = default;
};

struct RangeKeyHash {
    size_t operator()(const RangeKey& key) const;
};

struct RangeRecord {
    size_t formula = 0;  // hash of the reader's formula text
    uint64_t cells = 0;  // fingerprint of the range's cells (RangeFingerprint)
};

// Adds a cell to a fingerprint of cells: which properties object it has and
// whether its dependants are empty. A cell that got new properties, or lost
// its dependants, changes the fingerprint; one that gained readers does not.
uint64_t RangeFingerprint(uint64_t fingerprint, const Cell& cell);

class RangeRecords {
public:
    const RangeRecord* Find(const RangeKey& key) const;
    void Store(const RangeKey& key, const RangeRecord& record) { records_[key] = record; }

private:
    std::unordered_map<RangeKey, RangeRecord, RangeKeyHash> records_;
};

}  // namespace spf
