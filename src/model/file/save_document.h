// Saving the open document: the whole file is built in memory, then put on
// disk by the safe save.
#pragma once

#include <optional>
#include <string>

#include "model/file/file_ops.h"
#include "model/file/safe_save.h"
#include "model/workbook.h"

namespace spf {

// On success the document counts as saved and its undo journal is emptied;
// on failure nothing about the workbook or the files changes. A workbook
// beyond what the reader accepts is refused before anything is written.
std::optional<SaveError> SaveDocument(Workbook& workbook, const std::string& path, FileOps& ops);
std::optional<SaveError> SaveDocument(Workbook& workbook, const std::string& path);

}  // namespace spf
