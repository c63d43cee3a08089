// The Windows-1250 code page at the file boundary. Every byte value maps to
// one character and back: the five bytes the code page leaves undefined map
// to the C1 control characters of the same number, so no byte is ever lost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spf {

// The character of one code-page byte.
char32_t Cp1250ToUnicode(unsigned char byte);
// The byte of a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> UnicodeToCp1250(char32_t ch);

// Whole texts. Decoding cannot fail. Encoding writes '?' for a character
// the code page cannot hold; callers that must not lose text escape first.
std::string Cp1250ToUtf8(std::string_view bytes);
void AppendCp1250AsUtf8(std::string& out, std::string_view bytes);
std::string Utf8ToCp1250(std::string_view utf8);

// One UTF-8 character starting at pos; pos moves past it. A malformed
// sequence yields U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t ch);

}  // namespace spf
