#include "formula/range_dependants.h"

namespace spf {

namespace {

// Small enough that the cells' own lists stay as short as they always were.
constexpr int64_t kMinIndexedCells = 64;

}  // namespace

bool RangeDependants::Indexed(int left, int top, int right, int bottom) {
    const int64_t cells = (static_cast<int64_t>(right) - left + 1) * (static_cast<int64_t>(bottom) - top + 1);
    return cells >= kMinIndexedCells;
}

void RangeDependants::Add(const RangeKey& key) {
    if (known_.insert(key).second) bySheet_[key.grid].push_back(key);
}

const TReference* RangeDependants::NextReader(const TSheet& sheet, int col, int row, size_t& position) const {
    const Cell& cell = sheet.Grid->At(col, row);
    if (!cell.Props) return nullptr;
    const std::vector<TReference>& own = cell.Props->Ref;
    if (position < own.size()) return &own[position++];
    const auto ranges = bySheet_.find(sheet.Grid.get());
    if (ranges == bySheet_.end()) return nullptr;
    const std::vector<RangeKey>& keys = ranges->second;
    for (size_t i = position - own.size(); i < keys.size(); ++i) {
        const RangeKey& key = keys[i];
        if (col < key.left || col > key.right || row < key.top || row > key.bottom) continue;
        if (key.reader.Col == col && key.reader.Row == row && key.reader.SheetName == sheet.GridName)
            continue;
        position = own.size() + i + 1;
        return &key.reader;
    }
    position = own.size() + keys.size();
    return nullptr;
}

}  // namespace spf
