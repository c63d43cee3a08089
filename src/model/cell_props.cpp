#include "model/cell_props.h"

#include <algorithm>

namespace spf {

void TCellProps::AddRef(const TReference& dependant) { AddRef(dependant, Ref.size()); }

size_t TCellProps::AddRef(const TReference& dependant, size_t hint) {
    if (hint < Ref.size() && Ref[hint] == dependant) return hint;
    const auto found = std::find(Ref.begin(), Ref.end(), dependant);
    if (found != Ref.end()) return static_cast<size_t>(found - Ref.begin());
    Ref.push_back(dependant);
    return Ref.size() - 1;
}

}  // namespace spf
