#include "model/file/save_document.h"

#include "model/file/document_rules.h"
#include "model/file/spf_writer.h"

namespace spf {

std::optional<SaveError> SaveDocument(Workbook& workbook, const std::string& path, FileOps& ops) {
    // A document the reader would refuse is not written at all: it could
    // never be opened again, and the previous file stays as it was.
    if (auto reason = UnwritableReason(workbook))
        return SaveError{path, "the document cannot be saved: " + *reason};
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
