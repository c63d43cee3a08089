// Characters of engine texts. Texts are UTF-8; a character is a code point,
// and a stray byte that starts no sequence counts as one character, so any
// byte string has a well-defined length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spf::expr {

size_t CharCount(std::string_view text);

// The byte offset of character index (0-based); text.size() past the end.
size_t CharOffset(std::string_view text, size_t index);

// ASCII letters only; every other byte stays as it is.
std::string AsciiUpper(std::string text);
std::string AsciiLower(std::string text);

}  // namespace spf::expr
