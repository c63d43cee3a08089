#include "model/cell_props.h"

#include <algorithm>

namespace spf {

void TCellProps::AddRef(const TReference& dependant) {
    if (std::find(Ref.begin(), Ref.end(), dependant) == Ref.end()) Ref.push_back(dependant);
}

}  // namespace spf
