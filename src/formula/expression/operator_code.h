// The operators of the expression language.
#pragma once

#include <string_view>

namespace spf::expr {

enum class OperatorCode : int {
    opNot,
    opExp,
    opMult,
    opDivide,
    opDiv,
    opMod,
    opAnd,
    opShl,
    opShr,
    opPlus,
    opMinus,
    opOr,
    opXor,
    opEq,
    opNEq,
    opLT,
    opGT,
    opLTE,
    opGTE
};

// The name used in messages: "opNot", "opMult" ...
std::string_view OperatorName(OperatorCode op);

// =, <>, <, >, <=, >=
bool IsRelational(OperatorCode op);

}  // namespace spf::expr
