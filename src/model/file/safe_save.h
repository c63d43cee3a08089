// Replacing a document on disk without ever leaving it half written: the new
// contents go to a temporary file beside it, which is flushed and synced; the
// previous version becomes the ".BAK" backup beside the document; one rename
// then puts the new file in place. Any failure restores the document and its
// backup exactly and removes every temporary file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/file/file_ops.h"

namespace spf {

struct SaveError {
    std::string path;
    std::string reason;

    std::string Message() const { return path + ": " + reason; }
};

// The backup of a document: its name with the extension replaced by ".BAK".
std::string BackupPath(const std::string& documentPath);

// Writes bytes to path as described above. A path that is a symbolic link
// updates the link's target.
std::optional<SaveError> SafeSave(const std::string& path, std::string_view bytes, FileOps& ops);

}  // namespace spf
