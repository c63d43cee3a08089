// TExpression: the base of every node class, with the default readings a
// node gets for what it does not provide itself.
#pragma once

#include "formula/expression/i_value.h"

namespace spf::expr {

class TExpression : public IValue {
public:
    bool ParametersValid() override;
    const TypeInfo& TypeDescriptor() const override;
    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    HostObject ObjectValue() const override;
    ValueType ResultType() const override = 0;
    std::string ValueTypeName() const override;

protected:
    // "Cannot read <type> as <what>" for this node's type.
    [[noreturn]] void CannotRead(const char* what) const;
};

// The node's class name without namespaces ("TTypeCast"), for messages.
std::string ClassNameOf(const IValue& node);

}  // namespace spf::expr
