// The interface every expression node implements, and the counted
// reference through which nodes are shared.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formula/expression/value_type.h"

namespace spf::expr {

class PropertySource;
// A host object as the engine sees it: something that has a class name and
// exposes named properties.
using HostObject = std::shared_ptr<PropertySource>;

class IValue {
public:
    virtual ~IValue() = default;

    // Whether the node's parameters are acceptable; asked once, right after
    // the node is built (it may throw a more specific EExpression instead
    // of answering false). Not const: a node may take its operand types here.
    virtual bool ParametersValid() = 0;

    // True when both types are non-object and this node's code is not above
    // t's (a Boolean reads as Integer, an Integer as Float...), or when both
    // are Object.
    bool ReadableAs(ValueType t) const;

    virtual const TypeInfo& TypeDescriptor() const = 0;
    virtual std::string StringValue() const = 0;
    virtual double FloatValue() const = 0;
    virtual int64_t IntegerValue() const = 0;
    virtual bool BooleanValue() const = 0;
    virtual HostObject ObjectValue() const = 0;
    virtual ValueType ResultType() const = 0;
    virtual std::string ValueTypeName() const = 0;
};

// Reading never changes a node, and every read evaluates afresh; a node
// lives as long as its last reference.
using ValueRef = std::shared_ptr<IValue>;

}  // namespace spf::expr
