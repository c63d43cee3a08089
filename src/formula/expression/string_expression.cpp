#include <algorithm>

#include "formula/expression/builtin_functions.h"
#include "formula/expression/number_text.h"
#include "formula/expression/text_chars.h"

namespace spf::expr {

bool TStringExpression::ParametersValid() {
    auto textParams = [this](size_t count) {
        if (ParameterCount() != count) return false;
        for (size_t i = 0; i < count; ++i) {
            if (!Param(i).ReadableAs(ValueType::String)) return false;
        }
        return true;
    };
    switch (function_) {
        case StringFunction::Pos:
            return textParams(2);
        case StringFunction::Copy:
            // Start and count must be Integer expressions, not merely readable as one.
            return ParameterCount() == 3 && Param(0).ReadableAs(ValueType::String) &&
                   Param(1).ResultType() == ValueType::Integer && Param(2).ResultType() == ValueType::Integer;
        default:
            return textParams(1);
    }
}

ValueType TStringExpression::ResultType() const {
    return function_ == StringFunction::Pos || function_ == StringFunction::Length ? ValueType::Integer
                                                                                   : ValueType::String;
}

std::string TStringExpression::StringValue() const {
    switch (function_) {
        case StringFunction::Upper:
            return AsciiUpper(Param(0).StringValue());
        case StringFunction::Lower:
            return AsciiLower(Param(0).StringValue());
        case StringFunction::Copy: {
            const std::string text = Param(0).StringValue();
            const int64_t start = std::max<int64_t>(Param(1).IntegerValue(), 1);
            const int64_t count = Param(2).IntegerValue();
            if (count < 1) return {};
            const size_t length = CharCount(text);
            if (static_cast<uint64_t>(start) > length) return {};
            const size_t from = CharOffset(text, static_cast<size_t>(start - 1));
            const size_t taken = std::min<uint64_t>(static_cast<uint64_t>(count), length);
            const size_t to = from + CharOffset(std::string_view(text).substr(from), taken);
            return text.substr(from, to - from);
        }
        default:
            return TExpression::StringValue();
    }
}

int64_t TStringExpression::IntegerValue() const {
    switch (function_) {
        case StringFunction::Length:
            return static_cast<int64_t>(CharCount(Param(0).StringValue()));
        case StringFunction::Pos: {
            const std::string sub = Param(0).StringValue();
            const std::string text = Param(1).StringValue();
            if (sub.empty()) return 0;
            const size_t at = text.find(sub);
            return at == std::string::npos ? 0 : static_cast<int64_t>(CharCount(text.substr(0, at))) + 1;
        }
        default:
            return TExpression::IntegerValue();
    }
}

}  // namespace spf::expr
