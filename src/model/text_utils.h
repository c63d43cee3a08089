// Small text helpers shared by the core: case folding, trimming, replacing.
// Text is UTF-8; case folding covers ASCII, which is what names and keys use.
#pragma once

#include <string>
#include <string_view>

namespace spf {

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Position of needle in haystack ignoring ASCII case, or npos.
size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);

// Trims characters up to and including space (spaces and control characters).
std::string_view Trim(std::string_view text);
// Every character is an ASCII digit (true for an empty text).
bool AllDigits(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// Replaces every occurrence of what, exact case.
std::string ReplaceAll(std::string text, std::string_view what, std::string_view with);
// Replaces every occurrence of what ignoring ASCII case.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view what, std::string_view with);

bool StartsWith(std::string_view text, std::string_view prefix);

// Number of Unicode characters in a UTF-8 text.
size_t Utf8Length(std::string_view text);
// Byte offset of the character with the given index (or text.size()).
size_t Utf8Offset(std::string_view text, size_t charIndex);

}  // namespace spf
