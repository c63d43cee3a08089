// Literal nodes. Hosts build them with std::make_shared, for example
// std::make_shared<TStringLiteral>("2004") for an identifier that stands for a text.
#pragma once

#include <string>

#include "formula/expression/expression.h"

namespace spf::expr {

class TStringLiteral : public TExpression {
public:
    explicit TStringLiteral(std::string text) : text_(std::move(text)) {}
    std::string StringValue() const override { return text_; }
    ValueType ResultType() const override { return ValueType::String; }

private:
    std::string text_;
};

class TFloatLiteral : public TExpression {
public:
    explicit TFloatLiteral(double value) : value_(value) {}
    double FloatValue() const override { return value_; }
    ValueType ResultType() const override { return ValueType::Float; }

private:
    double value_;
};

class TIntegerLiteral : public TExpression {
public:
    explicit TIntegerLiteral(int64_t value) : value_(value) {}
    int64_t IntegerValue() const override { return value_; }
    ValueType ResultType() const override { return ValueType::Integer; }

private:
    int64_t value_;
};

class TBooleanLiteral : public TExpression {
public:
    explicit TBooleanLiteral(bool value) : value_(value) {}
    bool BooleanValue() const override { return value_; }
    ValueType ResultType() const override { return ValueType::Boolean; }

private:
    bool value_;
};

}  // namespace spf::expr
