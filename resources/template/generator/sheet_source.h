// Builds one sheet of the template from its source file, with the example
// values of its input cells and its print ranges.
#pragma once

#include <string>
#include <vector>

#include "cell_spec.h"
#include "model/sheet.h"
#include "print_range.h"

namespace spf::tmpl {

struct ExampleValue {
    int col = 0;
    int row = 0;
    CellKind kind = CellKind::None;
    std::string text;
};

struct SheetBuild {
    std::string name;
    TSheet sheet;  // moved into the workbook that is assembled from the builds
    std::vector<ExampleValue> examples;
    std::vector<PrintRange> prints;
};

// Throws SourceError naming the file and line of the fault.
SheetBuild BuildSheet(const std::string& path, const std::string& name);

}  // namespace spf::tmpl
