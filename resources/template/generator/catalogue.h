// The sheet catalogue of the template: the GridNames in workbook order.
#pragma once

#include <string>
#include <vector>

namespace spf::tmpl {

std::vector<std::string> ReadCatalogue(const std::string& path);

}  // namespace spf::tmpl
