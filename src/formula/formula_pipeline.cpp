#include "formula/formula_pipeline.h"

#include <vector>

#include "formula/cell_reference.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/number_text.h"
#include "formula/formula_error.h"
#include "formula/workbook_functions.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// Deeper nesting only comes from damaged or hostile texts; it would exhaust
// the stack of the recursive steps and of the engine.
constexpr int kMaxNesting = 200;

class NestingGuard {
public:
    explicit NestingGuard(int& depth) : depth_(depth) {
        if (++depth_ > kMaxNesting) {
            --depth_;
            throw FormulaError("formula nested too deeply");
        }
    }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& depth_;
};

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void CheckParenthesisDepth(std::string_view text) {
    int depth = 0;
    for (char c : text) {
        if (c == '(' && ++depth > kMaxNesting) throw FormulaError("formula nested too deeply");
        if (c == ')') --depth;
    }
}

// Splits at the separators outside parentheses: a separator counts as outside
// when "(" minus ")" up to it is 0 or less. An empty last piece is dropped.
std::vector<std::string_view> SplitOutside(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == separator && depth <= 0) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

// Position of the ")" that closes the "(" at open, or npos.
size_t ClosingParenthesis(std::string_view text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

enum class Scientific { No, Small, Large };

// Whether text is a number the engine wrote in scientific form
// ("-1,5E-7", "9,22337203685478E18"), and on which side of 1 it lies.
Scientific ScientificForm(std::string_view text) {
    const size_t e = text.find('E');
    if (e == std::string_view::npos) return Scientific::No;
    std::string_view mantissa = text.substr(0, e);
    std::string_view exponent = text.substr(e + 1);
    if (StartsWith(mantissa, "-")) mantissa.remove_prefix(1);
    const bool small = StartsWith(exponent, "-");
    if (small) exponent.remove_prefix(1);
    const size_t comma = mantissa.find(',');
    const std::string_view whole = mantissa.substr(0, comma);
    const std::string_view fraction =
        comma == std::string_view::npos ? std::string_view() : mantissa.substr(comma + 1);
    if (whole.size() != 1 || !AllDigits(whole) || !AllDigits(fraction) || exponent.empty() ||
        !AllDigits(exponent) || (comma != std::string_view::npos && fraction.empty()))
        return Scientific::No;
    return small ? Scientific::Small : Scientific::Large;
}

// "RANGE('x')" without its wrapper, in any letter case.
std::string_view RangeArgument(std::string_view part) {
    if (part.size() < 9) throw FormulaError("malformed range");
    return part.substr(7, part.size() - 9);
}

// What a value text keeps of itself: a fraction or anything after a comma
// goes. Cutting a scientific form at its comma would keep only its first
// digit: below 1 the whole part is 0; above, the number lies beyond the
// whole numbers a double holds exactly, so no exact amount can come of it.
std::string_view WholePart(std::string_view value) {
    switch (ScientificForm(value)) {
        case Scientific::Small:
            return "0";
        case Scientific::Large:
            throw FormulaError("number beyond exact amounts");
        case Scientific::No:
            break;
    }
    return value.substr(0, value.find(','));
}

// Calls take(whole, text) with the value of every argument, and of every
// cell of a range argument, column by column, in the text it would have
// had as an argument written out: whole is set, and text empty, for a
// whole number, the usual value of a cell.
template <typename Take>
void ForEachArgumentValue(EvaluationContext& context, const std::vector<CallArgument>& arguments, int sheet,
                          Take&& take) {
    for (const CallArgument& argument : arguments) {
        if (!argument.range) {
            take(std::nullopt,
                 ExpandCalls(context, ComputeText(context, ExpandCalls(context, argument.text, sheet)),
                             sheet));
            continue;
        }
        const CellRange& range = *argument.range;
        RangeReader reader(context, range);
        try {
            for (int c = range.left; c <= range.right; ++c)
                for (int r = range.top; r <= range.bottom; ++r) {
                    // As RANGE('Sheet!..') of the cell would, the read names the range's sheet.
                    context.defaultSheet = range.sheet;
                    const std::string_view whole = WholePart(reader.Read(c, r));
                    if (const auto number = expr::WholeNumberValue(whole)) {
                        take(number, std::string());
                        continue;
                    }
                    // Anything else is reduced and computed as the cell's RANGE call would be.
                    reader.RecordFromHere();
                    const std::string value = ExpandCalls(context, std::string(whole), sheet);
                    take(std::nullopt,
                         ExpandCalls(context, ComputeText(context, ComputeText(context, value)), sheet));
                }
        } catch (...) {
            reader.Abandon();
            throw;
        }
        reader.Finish();
    }
}

// A value text read as SUM reads a parameter: anything the engine reads as
// a number (TRUE counts 1), added as a double.
double ParameterValue(EvaluationContext& context, const std::string& text) {
    const expr::ValueRef value = expr::ParseExpression(text, EG4IDFunc(context));
    if (!value->ReadableAs(expr::ValueType::Float)) throw FormulaError("SUM of a text");
    return value->FloatValue();
}

// SUM(...) added left to right in a double, as the engine adds the
// parameters of the call written out, but without writing it out.
std::string SumValue(EvaluationContext& context, const std::vector<CallArgument>& arguments, int sheet) {
    double sum = 0;
    ForEachArgumentValue(context, arguments, sheet,
                         [&](std::optional<int64_t> whole, const std::string& text) {
                             sum += whole ? static_cast<double>(*whole) : ParameterValue(context, text);
                         });
    return std::string(WholePart(expr::NumberText(expr::CheckedFloat(sum))));
}

}  // namespace

std::string EvaluateFormula(EvaluationContext& context, std::string_view formula, int sheet) {
    Trace(context.trace, "przelicz:", formula);
    context.defaultSheet = sheet;
    try {
        context.sheets.Refresh(context.workbook());
        if (StartsWith(formula, "=")) formula.remove_prefix(1);
        return ComputeText(context, ExpandCalls(context, formula, sheet));
    } catch (...) {
        return std::string(kFormulaFailed);
    }
}

std::string ComputeText(EvaluationContext& context, std::string_view text) {
    Trace(context.trace, "clc", text);
    // The options sheet is reached only through the general-data identifiers.
    if (text.find("Opcje!") != std::string_view::npos) return std::string(kFormulaFailed);
    CheckParenthesisDepth(text);

    std::string t(text);
    // A value with a decimal comma ("3,5") is read as a number; "-12,5" is not.
    const size_t comma = t.find(',');
    if (comma != std::string::npos && AllDigits(std::string_view(t).substr(0, comma)) &&
        AllDigits(std::string_view(t).substr(comma + 1)))
        t[comma] = '.';
    if (StartsWith(t, "=")) t.erase(0, 1);

    return std::string(WholePart(expr::ParseExpression(t, EG4IDFunc(context))->StringValue()));
}

std::string ExpandCalls(EvaluationContext& context, std::string_view text, int sheet) {
    Trace(context.trace, "ex2val:", text);
    NestingGuard guard(context.nesting);
    std::string out;
    std::string_view t = text;
    for (size_t open = t.find('('); open != std::string_view::npos; open = t.find('(')) {
        const size_t close = ClosingParenthesis(t, open);
        if (close == std::string_view::npos) throw FormulaError("unbalanced parenthesis");
        // The call's name is the run of letters before "("; a group at the
        // very start has none and is read like a group after an operator.
        size_t nameStart = open;
        while (nameStart > 0 && IsAsciiLetter(t[nameStart - 1])) --nameStart;
        out.append(t.substr(0, nameStart));
        out += CallValue(context, t.substr(nameStart, close + 1 - nameStart), sheet);
        t.remove_prefix(close + 1);
    }
    out.append(t);
    return out;
}

std::string CallValue(EvaluationContext& context, std::string_view call, int sheet) {
    Trace(context.trace, "CnvFn:", call);
    NestingGuard guard(context.nesting);
    const size_t open = call.find('(');
    if (open == std::string_view::npos) return ComputeText(context, call);
    if (open == 0) {
        // A bare group: the calls inside it are reduced first like every
        // other call, so that RANGE reaches the engine as a number and not
        // as a text that "+" would join to its neighbour.
        const std::string_view inner =
            call.size() >= 2 ? call.substr(1, call.size() - 2) : std::string_view();
        std::string group(1, '(');
        group += ExpandCalls(context, inner, sheet);
        group += ')';
        return ComputeText(context, group);
    }

    const std::string_view name = call.substr(0, open);
    std::string h;
    if (EqualsIgnoreCase(name, "RANGE")) {
        h = ExpandCalls(context, ComputeText(context, call), sheet);
    } else {
        const size_t argsEnd = call.size() - 1;  // the closing ")" is dropped
        const std::string_view args =
            argsEnd > open ? call.substr(open + 1, argsEnd - open - 1) : std::string_view();
        std::vector<CallArgument> arguments;
        for (const std::string_view piece : SplitOutside(args, ','))
            arguments.push_back(ArgumentText(context, piece, sheet));
        // A range written right to left leaves an empty argument, dropped when last.
        if (!arguments.empty() && !arguments.back().range && arguments.back().text.empty())
            arguments.pop_back();
        if (arguments.empty()) throw FormulaError("call without arguments");
        if (EqualsIgnoreCase(name, "SUM")) return SumValue(context, arguments, sheet);
        h.assign(name).append("(");
        ForEachArgumentValue(context, arguments, sheet,
                             [&](std::optional<int64_t> whole, const std::string& text) {
                                 h += whole ? expr::IntegerText(*whole) : text;
                                 h += ',';
                             });
        h.back() = ')';
    }
    return ComputeText(context, h);
}

CallArgument ArgumentText(EvaluationContext& context, std::string_view piece, int sheet) {
    Trace(context.trace, "cnvParm:", piece);
    const size_t open = piece.find('(');
    if (open == std::string_view::npos || open == 0 || piece.find(':') == std::string_view::npos)
        return {std::string(piece), std::nullopt};
    const auto parts = SplitOutside(piece, ':');
    // The colons lie inside a call, as in SUM(RANGE(..):RANGE(..))>0: every
    // call of the piece is reduced in place, so that an operator after the
    // call is kept rather than taken for part of the call's arguments.
    if (parts.size() < 2) return {ExpandCalls(context, piece, sheet), std::nullopt};

    const Workbook& wb = context.workbook();
    const CellReference first = ParseReference(wb, RangeArgument(parts[0]), context.trace, &context.sheets);
    const CellReference last = ParseReference(wb, RangeArgument(parts[1]), context.trace, &context.sheets);
    const int rangeSheet = first.sheet >= 0 ? first.sheet : sheet;
    if (last.col < first.col || last.row < first.row) return {};
    // Every cell of the range is read, so a range reaching outside its sheet
    // fails anyway; failing here keeps a typo from reading millions of cells.
    if (rangeSheet < 0 || rangeSheet >= static_cast<int>(wb.Sheets.size()))
        throw FormulaError("no sheet for range");
    const Grid* grid = wb.Sheets[static_cast<size_t>(rangeSheet)].Grid.get();
    if (!grid || !grid->Contains(first.col, first.row) || !grid->Contains(last.col, last.row))
        throw FormulaError("range outside the sheet");
    return {std::string(), CellRange{rangeSheet, first.col, first.row, last.col, last.row}};
}

}  // namespace spf
