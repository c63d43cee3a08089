// The failure of a workbook formula step (a malformed reference, a missing
// cell, an unbalanced parenthesis...). Every such failure ends as a marker
// value; nothing is shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace spf {

class FormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace spf
