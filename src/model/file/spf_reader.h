// Reading a statement file into a new workbook, with every load-time repair
// and the post-load steps that do not concern the screen. A file that cannot
// be read is refused with one message; a half-built workbook escapes only as
// the readable part of a file that ends early, never as the document itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

enum class ReadFailure {
    Unreadable,  // cannot be opened or read, not a regular file, far too large
    Malformed,   // not a statement document, or a damaged one
    Truncated,   // a statement document that ends early
};

struct ReadError {
    std::string file;  // the path as given
    int line = 0;      // 1-based line of the file; 0 when no line is to blame
    std::string reason;
    ReadFailure kind = ReadFailure::Malformed;

    // "FILE:LINE: REASON" (or "FILE: REASON").
    std::string Message() const;
};

struct ReadOptions {
    // "Today" for the template's date of preparation; the system clock if unset.
    const Clock* clock = nullptr;
    // Called at each sheet: its 0-based position, the file's sheet count, its name.
    std::function<void(int index, int sheetsCount, const std::string& name)> onSheet;
    // Closing keeps these; a file without the records leaves them as they were.
    int langId = 0;
    double afbo = 0;
    double afbz = 0;
};

struct ReadResult {
    std::optional<Workbook> workbook;
    ReadError error;  // when there is no workbook
    // For a file that ends early (kind Truncated): what could be read, repaired
    // and completed like any document, to be opened as a new, unnamed one so
    // that saving cannot overwrite the damaged file. Absent when nothing was.
    std::optional<Workbook> partial;

    explicit operator bool() const { return workbook.has_value(); }
};

// Reads the file at path (the template is recognised by its name "empty.spf").
ReadResult ReadDocument(const std::string& path, const ReadOptions& options = {});

// Reads file contents already in memory; fileName names them in errors and
// decides whether they are the template.
ReadResult ReadDocumentBytes(std::string_view bytes, const std::string& fileName,
                             const ReadOptions& options = {});

// Reads into target, seeding the language and analysis dates from it as a
// closed document leaves them; on failure target is left untouched. For a file
// that ends early, what could be read goes to readablePart when one is given.
std::optional<ReadError> LoadDocumentInto(Workbook& target, const std::string& path,
                                          const ReadOptions& options = {},
                                          std::optional<Workbook>* readablePart = nullptr);

// The file name without folder is "empty.spf" (any letter case).
bool IsTemplateFileName(const std::string& path);

}  // namespace spf
