#include "formula/expression/value_type.h"

#include "formula/expression/number_text.h"

namespace spf::expr {

std::string_view TypeName(ValueType type) {
    switch (type) {
        case ValueType::Object:
            return "Object";
        case ValueType::String:
            return "String";
        case ValueType::Float:
            return "Float";
        case ValueType::Integer:
            return "Integer";
        case ValueType::Enumerated:
            return "Enumerated";
        case ValueType::Boolean:
            return "Boolean";
    }
    return "Object";
}

std::string TypeInfo::MemberName(int64_t ordinal) const {
    if (ordinal >= 0 && static_cast<uint64_t>(ordinal) < members.size()) return members[ordinal];
    return IntegerText(ordinal);
}

const TypeInfo& StringDescriptor() {
    static const TypeInfo d{"String", {}};
    return d;
}

const TypeInfo& DoubleDescriptor() {
    static const TypeInfo d{"Double", {}};
    return d;
}

const TypeInfo& IntegerDescriptor() {
    static const TypeInfo d{"Integer", {}};
    return d;
}

const TypeInfo& BooleanDescriptor() {
    static const TypeInfo d{"Boolean", {"FALSE", "TRUE"}};
    return d;
}

}  // namespace spf::expr
