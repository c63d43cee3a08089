// The value types of expression nodes and their type descriptors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spf::expr {

// Ordered from most general to most specific; the codes decide which
// readings a value allows (see IValue::ReadableAs).
enum class ValueType : int { Object = 0, String = 1, Float = 2, Integer = 3, Enumerated = 4, Boolean = 5 };

// "Object", "String", "Float", "Integer", "Enumerated", "Boolean".
std::string_view TypeName(ValueType type);

// A type descriptor: names a type, and for a host enumeration its members by ordinal.
struct TypeInfo {
    std::string name;
    std::vector<std::string> members;

    // The member's name; an ordinal outside the list gives its decimal text.
    std::string MemberName(int64_t ordinal) const;
};

// The descriptors of the plain types: "String", "Double", "Integer", "Boolean".
// Only those four exist; other types have no built-in descriptor.
const TypeInfo& StringDescriptor();
const TypeInfo& DoubleDescriptor();
const TypeInfo& IntegerDescriptor();
const TypeInfo& BooleanDescriptor();

}  // namespace spf::expr
