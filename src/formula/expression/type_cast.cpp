#include <cmath>

#include "formula/expression/builtin_functions.h"
#include "formula/expression/errors.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/number_scan.h"
#include "formula/expression/text_chars.h"

namespace spf::expr {

bool TTypeCast::ParametersValid() {
    if (target_ == ValueType::Enumerated) throw EExpression("Cannot cast to enumerated");
    if (ParameterCount() != 1) throw EExpression("Invalid parameters to typecast");
    operandType_ = Param(0).ResultType();
    const bool fromObject = operandType_ == ValueType::Object;
    const bool allowed = fromObject ? target_ == ValueType::Object || target_ == ValueType::String
                                    : target_ != ValueType::Object;
    if (!allowed) {
        throw EExpression("Type " + std::string(TypeName(target_)) + " is incompatible with type " +
                          std::string(TypeName(operandType_)));
    }
    return true;
}

std::string TTypeCast::StringValue() const {
    if (target_ != ValueType::String) return TExpression::StringValue();
    return Param(0).StringValue();
}

double TTypeCast::FloatValue() const {
    if (target_ != ValueType::Float) return TExpression::FloatValue();
    if (operandType_ != ValueType::String) return Param(0).FloatValue();
    const std::string text = Param(0).StringValue();
    const auto value = ScanFloatText(text);
    if (!value) throw EExpression("Cannot convert " + text + " to float");
    return *value;
}

int64_t TTypeCast::IntegerValue() const {
    if (target_ != ValueType::Integer) return TExpression::IntegerValue();
    switch (operandType_) {
        case ValueType::String: {
            const std::string text = Param(0).StringValue();
            const auto value = ScanIntegerText(text);
            if (!value) throw EExpression("Cannot convert " + text + " to integer");
            return *value;
        }
        case ValueType::Float:
            return TruncToInteger(Param(0).FloatValue());
        default:
            return Param(0).IntegerValue();
    }
}

bool TTypeCast::BooleanValue() const {
    if (target_ != ValueType::Boolean) return TExpression::BooleanValue();
    switch (operandType_) {
        case ValueType::String: {
            const std::string text = AsciiUpper(Param(0).StringValue());
            if (text == "FALSE") return false;
            if (text == "TRUE") return true;
            throw EExpression("Cannot convert " + text + " to Boolean");
        }
        case ValueType::Float:
            return std::fabs(Param(0).FloatValue()) > 1e-30;
        case ValueType::Boolean:
            return Param(0).BooleanValue();
        default:
            return Param(0).IntegerValue() != 0;
    }
}

HostObject TTypeCast::ObjectValue() const {
    if (target_ != ValueType::Object) return TExpression::ObjectValue();
    return Param(0).ObjectValue();
}

}  // namespace spf::expr
