#include "formula/expression/operator_code.h"

namespace spf::expr {

std::string_view OperatorName(OperatorCode op) {
    static constexpr std::string_view names[] = {
        "opNot",   "opExp", "opMult", "opDivide", "opDiv", "opMod", "opAnd", "opShl", "opShr", "opPlus",
        "opMinus", "opOr",  "opXor",  "opEq",     "opNEq", "opLT",  "opGT",  "opLTE", "opGTE"};
    return names[static_cast<int>(op)];
}

bool IsRelational(OperatorCode op) { return op >= OperatorCode::opEq; }

}  // namespace spf::expr
