// Sheet lookup by exact GridName for the formula engine, which resolves a
// sheet name at every cell reference and every dependant.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/workbook.h"

namespace spf {

class SheetIndex {
public:
    // Rebuilds the index when the workbook's sheets are no longer those it
    // was built for; cheap when they are.
    void Refresh(const Workbook& workbook);

    // The index of the last sheet named exactly so, or -1. Valid after Refresh.
    int Find(std::string_view name) const;

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    std::vector<const void*> identity_;  // the grids, in order, the index was built for
    std::vector<std::string> names_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
};

}  // namespace spf
