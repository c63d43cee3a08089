#include "formula/expression/expression.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "formula/expression/errors.h"
#include "formula/expression/number_text.h"
#include "formula/expression/object_property.h"

namespace spf::expr {

bool IValue::ReadableAs(ValueType t) const {
    const ValueType own = ResultType();
    if (own == ValueType::Object || t == ValueType::Object) return own == t;
    return static_cast<int>(own) >= static_cast<int>(t);
}

std::string ClassNameOf(const IValue& node) {
    const char* mangled = typeid(node).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

bool TExpression::ParametersValid() { return true; }

const TypeInfo& TExpression::TypeDescriptor() const {
    switch (ResultType()) {
        case ValueType::String:
            return StringDescriptor();
        case ValueType::Float:
            return DoubleDescriptor();
        case ValueType::Integer:
            return IntegerDescriptor();
        case ValueType::Boolean:
            return BooleanDescriptor();
        case ValueType::Object:
        case ValueType::Enumerated:
            break;
    }
    throw EExpression("Cannot provide TypeInfo for " + ClassNameOf(*this));
}

std::string TExpression::StringValue() const {
    switch (ResultType()) {
        case ValueType::Object: {
            const HostObject object = ObjectValue();
            return object ? object->ClassName() : std::string();
        }
        case ValueType::Float:
            return NumberText(FloatValue());
        case ValueType::Integer:
            return IntegerText(IntegerValue());
        case ValueType::Enumerated:
            return TypeDescriptor().MemberName(IntegerValue());
        case ValueType::Boolean:
            return BooleanValue() ? "TRUE" : "FALSE";
        case ValueType::String:
            break;
    }
    CannotRead("String");
}

double TExpression::FloatValue() const {
    switch (ResultType()) {
        case ValueType::Integer:
        case ValueType::Enumerated:
        case ValueType::Boolean:
            return static_cast<double>(IntegerValue());
        default:
            CannotRead("Float");
    }
}

int64_t TExpression::IntegerValue() const {
    if (ResultType() == ValueType::Boolean) return BooleanValue() ? 1 : 0;
    CannotRead("Integer");
}

bool TExpression::BooleanValue() const { CannotRead("boolean"); }

HostObject TExpression::ObjectValue() const { CannotRead("object"); }

std::string TExpression::ValueTypeName() const { return TypeDescriptor().name; }

void TExpression::CannotRead(const char* what) const {
    throw EExpression("Cannot read " + std::string(TypeName(ResultType())) + " as " + what);
}

}  // namespace spf::expr
