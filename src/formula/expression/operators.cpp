#include "formula/expression/operators.h"

#include <algorithm>
#include <cstdint>

#include "formula/expression/errors.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/number_text.h"

namespace spf::expr {
namespace {

using Op = OperatorCode;

[[noreturn]] void Incompatible(OperatorCode op, ValueType type) {
    throw EExpression("Operator " + std::string(OperatorName(op)) + " incompatible with " +
                      std::string(TypeName(type)));
}

[[noreturn]] void InternalError(int code) {
    throw EExpression("Internal parser error. Code " + std::to_string(code));
}

// The result type of op on operands of the given type, or false when the
// operator is not defined for that type.
bool OperatorResult(OperatorCode op, ValueType operand, ValueType& result) {
    if (IsRelational(op)) {
        result = ValueType::Boolean;
        return true;
    }
    switch (operand) {
        case ValueType::String:
            result = ValueType::String;
            return op == Op::opPlus;
        case ValueType::Float:
            result = ValueType::Float;
            return op == Op::opExp || op == Op::opMult || op == Op::opDivide || op == Op::opPlus ||
                   op == Op::opMinus;
        case ValueType::Integer:
            if (op == Op::opExp || op == Op::opDivide) {
                result = ValueType::Float;
                return true;
            }
            result = ValueType::Integer;
            return true;  // every remaining non-relational operator, NOT included
        case ValueType::Boolean:
            result = ValueType::Boolean;
            return op == Op::opNot || op == Op::opAnd || op == Op::opOr || op == Op::opXor;
        case ValueType::Object:
        case ValueType::Enumerated:
            break;
    }
    result = operand;
    return false;
}

// 64-bit arithmetic that wraps instead of overflowing.
int64_t Wrap(uint64_t v) { return static_cast<int64_t>(v); }
uint64_t U(int64_t v) { return static_cast<uint64_t>(v); }

// Counts from 0 to 63 shift as usual; every other count, negative ones
// included, shifts everything out.
int64_t ShiftLeft(int64_t value, int64_t count) {
    return count < 0 || count > 63 ? 0 : Wrap(U(value) << count);
}
int64_t ShiftRight(int64_t value, int64_t count) {
    return count < 0 || count > 63 ? 0 : Wrap(U(value) >> count);
}

int64_t IntegerDivide(int64_t l, int64_t r, bool remainder) {
    if (r == 0) throw EArithmetic("Division by zero");
    if (r == -1) return remainder ? 0 : Wrap(0 - U(l));  // INT64_MIN DIV -1 wraps
    return remainder ? l % r : l / r;
}

template <typename T>
bool Compare(OperatorCode op, const T& l, const T& r) {
    switch (op) {
        case Op::opEq:
            return l == r;
        case Op::opNEq:
            return l != r;
        case Op::opLT:
            return l < r;
        case Op::opGT:
            return l > r;
        case Op::opLTE:
            return l <= r;
        case Op::opGTE:
            return l >= r;
        default:
            return false;
    }
}

}  // namespace

ValueType CommonType(const IValue& left, const IValue& right) {
    const ValueType l = left.ResultType();
    const ValueType r = right.ResultType();
    if ((l == ValueType::Object) != (r == ValueType::Object)) {
        throw EExpression("Type " + std::string(TypeName(l)) + " is incompatible with type " +
                          std::string(TypeName(r)));
    }
    return std::min(l, r);
}

// ---- TUnaryOp

TUnaryOp::TUnaryOp(OperatorCode op, ValueRef operand) : operand_(std::move(operand)), op_(op) {
    if (op != Op::opNot && op != Op::opPlus && op != Op::opMinus) {
        throw EExpression(std::string(OperatorName(op)) + " is not simple unary operator");
    }
    operandType_ = operand_->ResultType();
    allowed_ = OperatorResult(op, operandType_, resultType_);
}

ValueType TUnaryOp::ResultType() const {
    if (!allowed_) Incompatible(op_, operandType_);
    return resultType_;
}

double TUnaryOp::FloatValue() const {
    if (ResultType() != ValueType::Float) return TExpression::FloatValue();
    switch (op_) {
        case Op::opPlus:
            return operand_->FloatValue();
        case Op::opMinus:
            return -operand_->FloatValue();
        default:
            InternalError(11);
    }
}

int64_t TUnaryOp::IntegerValue() const {
    if (ResultType() != ValueType::Integer) return TExpression::IntegerValue();
    switch (op_) {
        case Op::opPlus:
            return operand_->IntegerValue();
        case Op::opMinus:
            return Wrap(0 - U(operand_->IntegerValue()));
        case Op::opNot:
            if (operandType_ != ValueType::Integer) InternalError(6);
            return ~operand_->IntegerValue();
        default:
            InternalError(12);
    }
}

bool TUnaryOp::BooleanValue() const {
    if (ResultType() != ValueType::Boolean) return TExpression::BooleanValue();
    return !operand_->BooleanValue();
}

// ---- TBinaryOp

TBinaryOp::TBinaryOp(OperatorCode op, ValueRef left, ValueRef right)
    : left_(std::move(left)), right_(std::move(right)), op_(op) {
    if (op == Op::opNot || IsRelational(op)) {
        throw EExpression(std::string(OperatorName(op)) + " is not a simple binary operator");
    }
    operandType_ = CommonType(*left_, *right_);
    allowed_ = OperatorResult(op, operandType_, resultType_);
}

ValueType TBinaryOp::ResultType() const {
    if (!allowed_) Incompatible(op_, operandType_);
    return resultType_;
}

std::string TBinaryOp::StringValue() const {
    if (ResultType() != ValueType::String) return TExpression::StringValue();
    if (op_ != Op::opPlus) InternalError(10);
    return left_->StringValue() + right_->StringValue();
}

double TBinaryOp::FloatValue() const {
    if (ResultType() != ValueType::Float) return TExpression::FloatValue();
    const double l = left_->FloatValue();
    const double r = right_->FloatValue();
    switch (op_) {
        case Op::opExp:
            return CheckedPower(l, r);
        case Op::opMult:
            return CheckedFloat(l * r);
        case Op::opDivide:
            return CheckedDivide(l, r);
        case Op::opPlus:
            return CheckedFloat(l + r);
        case Op::opMinus:
            return CheckedFloat(l - r);
        default:
            InternalError(11);
    }
}

int64_t TBinaryOp::IntegerValue() const {
    if (ResultType() != ValueType::Integer) return TExpression::IntegerValue();
    const int64_t l = left_->IntegerValue();
    const int64_t r = right_->IntegerValue();
    switch (op_) {
        case Op::opMult:
            return Wrap(U(l) * U(r));
        case Op::opDiv:
            return IntegerDivide(l, r, false);
        case Op::opMod:
            return IntegerDivide(l, r, true);
        case Op::opAnd:
            return l & r;
        case Op::opOr:
            return l | r;
        case Op::opXor:
            return l ^ r;
        case Op::opShl:
            return ShiftLeft(l, r);
        case Op::opShr:
            return ShiftRight(l, r);
        case Op::opPlus:
            return Wrap(U(l) + U(r));
        case Op::opMinus:
            return Wrap(U(l) - U(r));
        default:
            InternalError(12);
    }
}

bool TBinaryOp::BooleanValue() const {
    if (ResultType() != ValueType::Boolean) return TExpression::BooleanValue();
    switch (op_) {
        case Op::opAnd:
            return left_->BooleanValue() && right_->BooleanValue();
        case Op::opOr:
            return left_->BooleanValue() || right_->BooleanValue();
        case Op::opXor:
            return left_->BooleanValue() != right_->BooleanValue();
        default:
            InternalError(13);
    }
}

// ---- TRelationalOp

TRelationalOp::TRelationalOp(OperatorCode op, ValueRef left, ValueRef right)
    : left_(std::move(left)), right_(std::move(right)), op_(op) {
    if (!IsRelational(op)) throw EExpression(std::string(OperatorName(op)) + " is not relational operator");
    operandType_ = CommonType(*left_, *right_);
}

bool TRelationalOp::BooleanValue() const {
    switch (operandType_) {
        case ValueType::String:
            return Compare(op_, left_->StringValue(), right_->StringValue());
        case ValueType::Float:
            return Compare(op_, left_->FloatValue(), right_->FloatValue());
        case ValueType::Integer:
            return Compare(op_, left_->IntegerValue(), right_->IntegerValue());
        case ValueType::Boolean:
            if (op_ != Op::opEq && op_ != Op::opNEq) {
                throw EExpression("cannot apply " + std::string(OperatorName(op_)) + " to boolean operands");
            }
            return Compare(op_, left_->BooleanValue(), right_->BooleanValue());
        case ValueType::Object:
        case ValueType::Enumerated:
            break;
    }
    return false;
}

std::string TRelationalOp::StringValue() const { return BooleanValue() ? "TRUE" : "FALSE"; }
double TRelationalOp::FloatValue() const { return BooleanValue() ? 1 : 0; }
int64_t TRelationalOp::IntegerValue() const { return BooleanValue() ? 1 : 0; }

}  // namespace spf::expr
