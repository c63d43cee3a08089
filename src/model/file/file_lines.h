// Splitting a statement file's text into lines, and telling records, blanks,
// comments and text lines apart.
#pragma once

#include <string_view>
#include <vector>

namespace spf {

// Lines split at CR LF, a lone CR or a lone LF; a NUL ends the text.
std::vector<std::string_view> SplitFileLines(std::string_view text);
// The same split without the NUL rule, for texts inside the document.
std::vector<std::string_view> SplitLineBreaks(std::string_view text);

enum class LineKind { Record, Blank, Comment, Text };

struct ClassifiedLine {
    LineKind kind = LineKind::Blank;
    std::string_view key;    // records
    std::string_view value;  // records: untrimmed; text lines: the trimmed text
};

// "[Key=Value]" with a non-empty key is a record; the value runs to the
// final "]" and may hold "=" and "]".
ClassifiedLine ClassifyLine(std::string_view line);

}  // namespace spf
