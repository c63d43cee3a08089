#include "model/file/save_document.h"

#include "model/file/spf_writer.h"

namespace spf {

std::optional<SaveError> SaveDocument(Workbook& workbook, const std::string& path, FileOps& ops) {
    const std::string bytes = WriteDocumentBytes(workbook);
    if (auto error = SafeSave(path, bytes, ops)) return error;
    workbook.UndoJournal.clear();
    workbook.Saved = true;
    return std::nullopt;
}

std::optional<SaveError> SaveDocument(Workbook& workbook, const std::string& path) {
    PosixFileOps ops;
    return SaveDocument(workbook, path, ops);
}

}  // namespace spf
