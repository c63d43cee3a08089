// The functions the engine knows itself: IF, the type casts, the math and
// the string functions. Their names cannot be redefined by a host.
#pragma once

#include <memory>
#include <string_view>

#include "formula/expression/function.h"

namespace spf::expr {

// IF(condition, then, else)
class TConditional : public TFunction {
public:
    using TFunction::TFunction;
    bool ParametersValid() override;
    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    ValueType ResultType() const override { return resultType_; }

private:
    const IValue& Chosen() const;
    ValueType resultType_ = ValueType::Boolean;
};

// OBJECT, STRING, FLOAT, INTEGER, ENUMERATED, BOOLEAN (x)
class TTypeCast : public TFunction {
public:
    TTypeCast(ValueType target, std::unique_ptr<TParameterList> parameters)
        : TFunction(std::move(parameters)), target_(target) {}
    bool ParametersValid() override;
    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    HostObject ObjectValue() const override;
    ValueType ResultType() const override { return target_; }

private:
    ValueType operandType_ = ValueType::Object;
    ValueType target_;
};

enum class MathFunction { Trunc, Round, Abs, ArcTan, Cos, Exp, Frac, Int, Ln, Pi, Sin, Sqr, Sqrt, Power };

class TMathExpression : public TFunction {
public:
    TMathExpression(MathFunction function, std::unique_ptr<TParameterList> parameters)
        : TFunction(std::move(parameters)), function_(function) {}
    bool ParametersValid() override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    ValueType ResultType() const override;

private:
    MathFunction function_;
};

enum class StringFunction { Upper, Lower, Copy, Pos, Length };

class TStringExpression : public TFunction {
public:
    TStringExpression(StringFunction function, std::unique_ptr<TParameterList> parameters)
        : TFunction(std::move(parameters)), function_(function) {}
    bool ParametersValid() override;
    std::string StringValue() const override;
    int64_t IntegerValue() const override;
    ValueType ResultType() const override;

private:
    StringFunction function_;
};

// The built-in node for an upper-case name, or null when the name is not
// built in (the list is then left to the caller).
ValueRef MakeBuiltinFunction(std::string_view name, std::unique_ptr<TParameterList>& parameters);

}  // namespace spf::expr
