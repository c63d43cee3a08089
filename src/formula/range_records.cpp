#include "formula/range_records.h"

#include <functional>

namespace spf {

namespace {

uint64_t Mix(uint64_t hash, uint64_t value) {
    return (hash ^ value) * 0x100000001b3ULL + 0x9e3779b97f4a7c15ULL;
}

}  // namespace

uint64_t RangeFingerprint(uint64_t fingerprint, const Cell& cell) {
    const TCellProps* props = cell.Props.get();
    fingerprint = Mix(fingerprint, reinterpret_cast<uintptr_t>(props));
    return Mix(fingerprint, props && !props->Ref.empty() ? 1 : 0);
}

const RangeRecord* RangeRecords::Find(const RangeKey& key) const {
    const auto found = records_.find(key);
    return found == records_.end() ? nullptr : &found->second;
}

size_t RangeKeyHash::operator()(const RangeKey& key) const {
    uint64_t hash = std::hash<std::string>{}(key.reader.SheetName);
    for (const int64_t value :
         {static_cast<int64_t>(key.reader.Col), static_cast<int64_t>(key.reader.Row),
          static_cast<int64_t>(reinterpret_cast<uintptr_t>(key.grid)), static_cast<int64_t>(key.left),
          static_cast<int64_t>(key.top), static_cast<int64_t>(key.right), static_cast<int64_t>(key.bottom)})
        hash = Mix(hash, static_cast<uint64_t>(value));
    return static_cast<size_t>(hash);
}

}  // namespace spf
