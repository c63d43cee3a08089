#include "formula/sheet_index.h"

namespace spf {

void SheetIndex::Refresh(const Workbook& workbook) {
    const size_t n = workbook.Sheets.size();
    bool same = identity_.size() == n;
    for (size_t i = 0; same && i < n; ++i)
        same = identity_[i] == workbook.Sheets[i].Grid.get() && names_[i] == workbook.Sheets[i].GridName;
    if (same) return;
    identity_.resize(n);
    names_.resize(n);
    index_.clear();
    for (size_t i = 0; i < n; ++i) {
        identity_[i] = workbook.Sheets[i].Grid.get();
        names_[i] = workbook.Sheets[i].GridName;
        if (identity_[i]) index_[names_[i]] = static_cast<int>(i);
    }
}

int SheetIndex::Find(std::string_view name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

}  // namespace spf
