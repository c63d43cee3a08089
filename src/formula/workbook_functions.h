// The workbook's own formula functions RANGE, SUM and ZAOKR, and the
// resolver EG4IDFunc that hands them and the general-data identifiers to
// the expression engine.
#pragma once

#include <memory>
#include <string>

#include "formula/evaluation_context.h"
#include "formula/expression/function.h"
#include "formula/expression/parser.h"

namespace spf {

// RANGE('Sheet!C5'): the value text of one cell; records the calculated
// cell as a dependant of the cell read.
class TRangeExpr : public expr::TFunction {
public:
    TRangeExpr(EvaluationContext& context, std::unique_ptr<expr::TParameterList> parameters)
        : TFunction(std::move(parameters)), context_(context) {}

    bool ParametersValid() override;
    std::string StringValue() const override;
    expr::ValueType ResultType() const override { return expr::ValueType::String; }

private:
    EvaluationContext& context_;
};

// SUM(...): the parameters added left to right as doubles.
class TSumExpr : public expr::TFunction {
public:
    using TFunction::TFunction;

    bool ParametersValid() override;
    std::string StringValue() const override;
    expr::ValueType ResultType() const override { return expr::ValueType::String; }
};

// ZAOKR(x): an amount in hundredths rounded to whole units, halves to even.
class TZaokrExpr : public expr::TFunction {
public:
    using TFunction::TFunction;

    bool ParametersValid() override;
    std::string StringValue() const override;
    expr::ValueType ResultType() const override { return expr::ValueType::String; }
};

// The resolver for one evaluation in the given context.
expr::IdentifierResolver EG4IDFunc(EvaluationContext& context);

}  // namespace spf
