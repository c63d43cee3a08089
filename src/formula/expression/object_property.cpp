#include "formula/expression/object_property.h"

#include "formula/expression/errors.h"

namespace spf::expr {
namespace {

bool KindType(PropertyKind kind, ValueType& type) {
    switch (kind) {
        case PropertyKind::Integer:
        case PropertyKind::Char:
            type = ValueType::Integer;
            return true;
        case PropertyKind::Boolean:
            type = ValueType::Boolean;
            return true;
        case PropertyKind::Enumeration:
            type = ValueType::Enumerated;
            return true;
        case PropertyKind::Float:
            type = ValueType::Float;
            return true;
        case PropertyKind::Text:
            type = ValueType::String;
            return true;
        case PropertyKind::Object:
            type = ValueType::Object;
            return true;
        case PropertyKind::Other:
            break;
    }
    return false;
}

}  // namespace

TObjectProperty::TObjectProperty(HostObject object, std::string_view propertyName)
    : object_(std::move(object)) {
    property_ = object_ ? object_->FindProperty(propertyName) : nullptr;
    if (!property_) {
        throw EExpression(std::string(propertyName) + " is not published property of " +
                          (object_ ? object_->ClassName() : std::string("nil")));
    }
    if (!KindType(property_->kind, type_)) {
        throw EExpression("Property " + std::string(propertyName) + " unsupported type");
    }
}

const TypeInfo& TObjectProperty::TypeDescriptor() const {
    return property_->type ? *property_->type : TExpression::TypeDescriptor();
}

std::string TObjectProperty::StringValue() const {
    if (type_ != ValueType::String) return TExpression::StringValue();
    return object_->TextProperty(*property_);
}

double TObjectProperty::FloatValue() const {
    if (type_ != ValueType::Float) return TExpression::FloatValue();
    return object_->FloatProperty(*property_);
}

int64_t TObjectProperty::IntegerValue() const {
    if (type_ != ValueType::Integer && type_ != ValueType::Enumerated) return TExpression::IntegerValue();
    return object_->OrdinalProperty(*property_);
}

bool TObjectProperty::BooleanValue() const {
    if (type_ != ValueType::Boolean) return TExpression::BooleanValue();
    return object_->OrdinalProperty(*property_) != 0;
}

HostObject TObjectProperty::ObjectValue() const {
    if (type_ != ValueType::Object) return TExpression::ObjectValue();
    return object_->ObjectProperty(*property_);
}

}  // namespace spf::expr
