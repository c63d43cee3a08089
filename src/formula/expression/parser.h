// ParseExpression: formula text to a tree of nodes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "formula/expression/function.h"

namespace spf::expr {

// Asked for every identifier that is not built in. name is in upper case;
// parameters is the parsed list, or null when the name had no parentheses.
// A function node the resolver returns takes the list over; a list the
// resolver does not keep is discarded. Returning null means "unknown".
using IdentifierResolver =
    std::function<ValueRef(const std::string& name, std::unique_ptr<TParameterList> parameters)>;

// Parses the whole text and returns the root node. Throws EExpression (or
// EConvertError for an Integer literal too large for 64 bits, EArithmetic
// for a Float literal too large for a double); nothing of a failed parse
// survives. The resolver may be empty.
ValueRef ParseExpression(std::string_view text, const IdentifierResolver& resolver = {});

}  // namespace spf::expr
