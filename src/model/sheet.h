// One sheet of the workbook: its name, its grid and the fit limits of its columns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/grid.h"

namespace spf {

struct TSheet {
    std::string GridName;
    std::unique_ptr<spf::Grid> Grid;
    bool Used = true;
    std::string NoteLabel;
    std::vector<int> MaxColWidths;
    std::vector<int> MinColWidths;
    int FittedWidth = 0;
};

}  // namespace spf
