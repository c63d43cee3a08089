#include "workbench/core/indent_prefix.h"

#include "model/text_utils.h"

namespace spf {

namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";

bool IsDash(std::string_view t) { return t == "-" || t == kEnDash; }

}  // namespace

IndentSplit SplitIndentPrefix(std::string_view text, bool mergedBlock) {
    const std::string_view t = Trim(text);
    if (IsDash(t)) return {std::string(kEnDash), {}};
    const size_t space = t.find(' ');
    // The space's position counted in characters from 1: at most 6 leaves a
    // first word of at most five characters.
    const size_t k = space == std::string_view::npos ? 0 : Utf8Length(t.substr(0, space)) + 1;
    if (k < 1 || k > 6) return {{}, std::string(t)};
    const std::string_view prefix = t.substr(0, space);
    const std::string_view rest = t.substr(space + 1);
    const bool enumerator = IsDash(prefix) || prefix.back() == '.' || prefix.back() == ')';
    if (mergedBlock || enumerator) return {std::string(prefix), std::string(rest)};
    return {{}, std::string(t)};
}

}  // namespace spf
