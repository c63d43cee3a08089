// Splitting a statement file's text into lines, and telling records, blanks,
// comments and text lines apart.
#pragma once

#include <string_view>
#include <vector>

namespace spf {

// Walks a text line by line, split at CR LF, a lone CR or a lone LF, without
// holding the lines: a document is read in about the memory of its bytes.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // The next line without its line end; false after the last.
    bool Next(std::string_view& line);
    // Where the next line starts.
    size_t Offset() const { return pos_; }
    // The line just returned was the last of the text.
    bool AtEnd() const { return pos_ >= text_.size(); }
    // The line just returned had a line end (the writer ends every line so).
    bool Terminated() const { return terminated_; }

private:
    std::string_view text_;
    size_t pos_ = 0;
    bool terminated_ = false;
};

// All lines of a text at once, for texts inside the document.
std::vector<std::string_view> SplitLineBreaks(std::string_view text);

// The 1-based line of the text that holds the byte at offset.
int LineAt(std::string_view text, size_t offset);

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
