// Operator nodes. Each takes its operand type when built; an operator its
// operand type does not allow is reported when the node's type is asked for.
#pragma once

#include "formula/expression/expression.h"
#include "formula/expression/operator_code.h"

namespace spf::expr {

class TUnaryOp : public TExpression {
public:
    // NOT, + or -; anything else throws "%s is not simple unary operator".
    TUnaryOp(OperatorCode op, ValueRef operand);

    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    ValueType ResultType() const override;

private:
    ValueRef operand_;
    ValueType operandType_;
    OperatorCode op_;
    bool allowed_;
    ValueType resultType_;
};

class TBinaryOp : public TExpression {
public:
    // Any operator but NOT and the relational ones ("%s is not a simple binary operator").
    TBinaryOp(OperatorCode op, ValueRef left, ValueRef right);

    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    ValueType ResultType() const override;

private:
    ValueRef left_;
    ValueRef right_;
    OperatorCode op_;
    ValueType operandType_;
    bool allowed_;
    ValueType resultType_;
};

class TRelationalOp : public TExpression {
public:
    // =, <>, <, >, <=, >= only ("%s is not relational operator").
    TRelationalOp(OperatorCode op, ValueRef left, ValueRef right);

    std::string StringValue() const override;
    double FloatValue() const override;
    int64_t IntegerValue() const override;
    bool BooleanValue() const override;
    ValueType ResultType() const override { return ValueType::Boolean; }

private:
    ValueRef left_;
    ValueRef right_;
    ValueType operandType_;
    OperatorCode op_;
};

// The type two operands are combined in: Object with Object, otherwise the
// more general of the two; Object with a non-object throws
// "Type %s is incompatible with type %s".
ValueType CommonType(const IValue& left, const IValue& right);

}  // namespace spf::expr
