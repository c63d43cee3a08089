// Host objects and their named properties. The program's own resolver never
// produces objects; the interface is what the type rules need and no more.
#pragma once

#include <string>
#include <string_view>

#include "formula/expression/expression.h"

namespace spf::expr {

enum class PropertyKind { Integer, Char, Boolean, Enumeration, Float, Text, Object, Other };

struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::Other;
    // For an enumeration: its members; may be null for other kinds.
    const TypeInfo* type = nullptr;
};

class PropertySource {
public:
    virtual ~PropertySource() = default;
    virtual std::string ClassName() const = 0;
    // Null when the object has no property of that name.
    virtual const PropertyInfo* FindProperty(std::string_view name) const = 0;
    virtual int64_t OrdinalProperty(const PropertyInfo& property) const = 0;
    virtual double FloatProperty(const PropertyInfo& property) const = 0;
    virtual std::string TextProperty(const PropertyInfo& property) const = 0;
    virtual HostObject ObjectProperty(const PropertyInfo& property) const = 0;
};

// object.Property; the property is looked up once and read anew at every read.
class TObjectProperty : public TExpression {
public:
    // Throws "%s is not published property of %s" or "Property %s unsupported type".
    TObjectProperty(HostObject object, std::string_view propertyName);

    const TypeInfo& TypeDescriptor() const override;
    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    HostObject ObjectValue() const override;
    ValueType ResultType() const override { return type_; }

private:
    HostObject object_;
    const PropertyInfo* property_;
    ValueType type_;
};

}  // namespace spf::expr
