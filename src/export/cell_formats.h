// The spreadsheet formats of exported cells, one per distinct look: a
// statement has thousands of cells but a few dozen looks.
#pragma once

#include <xlsxwriter.h>

#include <cstdint>
#include <unordered_map>

#include "export/exported_cell.h"

namespace spf {

class CellFormats {
public:
    explicit CellFormats(lxw_workbook* workbook) : workbook_(workbook) {}
    lxw_format* For(const ExportedCell& cell);

private:
    lxw_workbook* workbook_;
    std::unordered_map<uint64_t, lxw_format*> formats_;
};

}  // namespace spf
