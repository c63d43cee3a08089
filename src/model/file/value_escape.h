// The escape that lets a line carry what a plain line cannot: line breaks
// inside record values, NUL (which ends a file's text), characters the code
// page cannot hold, and a leading character that would make a cell-text line
// read as a record, a comment or a formula.
//
// Form: DEL (U+007F, byte 0x7F), the code point in upper-case hexadecimal,
// ";". DEL itself is escaped, so every text survives a save and load exactly.
// Files written by older versions never contain DEL, so they read unchanged.
#pragma once

#include <string>
#include <string_view>

namespace spf {

constexpr char kEscapeMark = '\x7F';

// Appends the Windows-1250 bytes of a UTF-8 text, escaping as above.
// guardLead also escapes a first "[", ";" or "=" (cell-text lines).
void AppendEscaped(std::string& bytes, std::string_view utf8, bool guardLead = false);

// The text with every well-formed escape decoded; a malformed one stays as written.
std::string Unescape(std::string_view utf8);

}  // namespace spf
