// The text pipeline that turns a cell formula into a value text: every
// function call and parenthesised group is reduced to the text of its value,
// innermost arguments first, so that only literal values reach the engine at
// the outer level.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formula/evaluation_context.h"
#include "formula/range_reader.h"

namespace spf {

// The failure value of a formula.
inline constexpr std::string_view kFormulaFailed = "###";

// The whole pipeline for a formula of a cell of sheet (an index); never
// fails: any failure gives "###".
std::string EvaluateFormula(EvaluationContext& context, std::string_view formula, int sheet);

// The steps below throw on failure; EvaluateFormula turns that into "###".

// Evaluates a text by the engine; a fraction or anything after a comma goes.
std::string ComputeText(EvaluationContext& context, std::string_view text);
// Replaces every call and parenthesised group by its value, left to right.
std::string ExpandCalls(EvaluationContext& context, std::string_view text, int sheet);
// The value of one call "NAME(...)" or one group "(...)".
std::string CallValue(EvaluationContext& context, std::string_view call, int sheet);

// One argument of a call: a text, or the cells a range argument
// RANGE('..'):RANGE('..') names. A range is read cell by cell as each
// cell's own RANGE would read it, without a text of one reference per cell.
struct CallArgument {
    std::string text;
    std::optional<CellRange> range;
};

// A range argument becomes its cells; one written right to left, an empty text.
CallArgument ArgumentText(EvaluationContext& context, std::string_view piece, int sheet);

}  // namespace spf
