// The failures of the expression engine. EExpression carries the engine's
// own messages; EArithmetic and EConvertError stand for the faults the
// arithmetic itself raises (division by zero, overflow, a value outside a
// function's domain, an Integer literal that does not fit in 64 bits).
// Callers may treat all three alike through std::runtime_error.
#pragma once

#include <stdexcept>
#include <string>

namespace spf::expr {

class EExpression : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EArithmetic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace spf::expr
