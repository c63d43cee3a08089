#include "formula/expression/builtin_functions.h"
#include "formula/expression/errors.h"

namespace spf::expr {

bool TConditional::ParametersValid() {
    if (ParameterCount() != 3) throw EExpression("IF must have 3 parameters");
    if (Param(0).ResultType() != ValueType::Boolean)
        throw EExpression("First parameter to If must be Boolean");
    resultType_ = Param(1).ResultType();
    if (Param(2).ResultType() != resultType_) throw EExpression("IF options must be the same type");
    return true;
}

// Only the chosen branch is read, so the other may fault freely.
const IValue& TConditional::Chosen() const { return Param(0).BooleanValue() ? Param(1) : Param(2); }

std::string TConditional::StringValue() const { return Chosen().StringValue(); }
double TConditional::FloatValue() const { return Chosen().FloatValue(); }
int64_t TConditional::IntegerValue() const { return Chosen().IntegerValue(); }
bool TConditional::BooleanValue() const { return Chosen().BooleanValue(); }

}  // namespace spf::expr
