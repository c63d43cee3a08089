// Function nodes and their parameter lists. Hosts derive their own
// functions from TFunction and hand them out through the IdentifierResolver.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "formula/expression/expression.h"

namespace spf::expr {

// Parameters in the order written; the list holds a counted reference to each.
class TParameterList {
public:
    void Add(ValueRef value) { items_.push_back(std::move(value)); }
    size_t Count() const { return items_.size(); }
    IValue& operator[](size_t i) const { return *items_[i]; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<ValueRef> items_;
};

class TFunction : public TExpression {
public:
    // The list may be absent (a name written without parentheses).
    explicit TFunction(std::unique_ptr<TParameterList> parameters) : parameters_(std::move(parameters)) {}

    const TParameterList* Parameters() const { return parameters_.get(); }
    size_t ParameterCount() const { return parameters_ ? parameters_->Count() : 0; }
    // Parameter i (from 0); i must be below ParameterCount().
    IValue& Param(size_t i) const { return (*parameters_)[i]; }

private:
    std::unique_ptr<TParameterList> parameters_;
};

}  // namespace spf::expr
