#include "formula/workbook_functions.h"

#include "formula/cell_reader.h"
#include "formula/cell_reference.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/literals.h"
#include "formula/expression/number_text.h"
#include "formula/formula_error.h"
#include "formula/general_identifiers.h"

namespace spf {

using expr::ValueType;

bool TRangeExpr::ParametersValid() { return ParameterCount() == 1 && Param(0).ReadableAs(ValueType::String); }

std::string TRangeExpr::StringValue() const {
    Workbook& wb = context_.workbook();
    CellReference ref = ParseReference(wb, Param(0).StringValue(), nullptr, &context_.sheets);
    if (ref.sheet >= 0)
        context_.defaultSheet = ref.sheet;
    else
        ref.sheet = context_.defaultSheet;
    if (ref.sheet < 0 || ref.sheet >= static_cast<int>(wb.Sheets.size()))
        throw FormulaError("no sheet to read");
    const TSheet& sheet = wb.Sheets[static_cast<size_t>(ref.sheet)];
    if (!sheet.Grid || !sheet.Grid->Contains(ref.col, ref.row))
        throw FormulaError("reference outside the sheet");

    return std::string(CellReader(context_).Read(ref.sheet, ref.col, ref.row));
}

bool TSumExpr::ParametersValid() {
    for (size_t i = 0; i < ParameterCount(); ++i)
        if (!Param(i).ReadableAs(ValueType::Float)) return false;
    return true;
}

std::string TSumExpr::StringValue() const {
    double sum = 0;
    for (size_t i = 0; i < ParameterCount(); ++i) sum += Param(i).FloatValue();
    return expr::NumberText(expr::CheckedFloat(sum));
}

bool TZaokrExpr::ParametersValid() { return ParameterCount() == 1; }

std::string TZaokrExpr::StringValue() const {
    const double x = Param(0).FloatValue();
    return expr::NumberText(expr::CheckedFloat(expr::RoundHalfEven(x / 100) * 100));
}

expr::IdentifierResolver EG4IDFunc(EvaluationContext& context) {
    return [&context](const std::string& name,
                      std::unique_ptr<expr::TParameterList> parameters) -> expr::ValueRef {
        if (name == "RANGE") return std::make_shared<TRangeExpr>(context, std::move(parameters));
        if (name == "SUM") return std::make_shared<TSumExpr>(std::move(parameters));
        if (name == "ZAOKR") return std::make_shared<TZaokrExpr>(std::move(parameters));
        // Parameters written after a general-data identifier are dropped.
        const auto value = GeneralDataIdentifier(context.workbook(), context.clock(), name);
        if (!value) return nullptr;
        if (value->isInteger) return std::make_shared<expr::TIntegerLiteral>(value->integer);
        return std::make_shared<expr::TStringLiteral>(value->text);
    };
}

}  // namespace spf
