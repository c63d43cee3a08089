// What the document's life asks of the main window.
#pragma once

#include <QString>

namespace spf {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void SetSheetAreaVisible(bool visible) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    virtual void UndoJournalEmptied() = 0;
    virtual void SetDocumentTitle(const QString& title) = 0;
    // One page per sheet of the freshly read workbook, and their removal.
    virtual void BuildSheetPages() = 0;
    virtual void ReleaseSheetPages() = 0;
    // After the pages exist: visibility and the tree; then the panel opened
    // on the first sheet; at last the notes list shown.
    virtual void RefreshNavigation() = 0;
    virtual void OpenNavigationOnFirstSheet() = 0;
    virtual void ShowNotesList() = 0;
    virtual void AktualizujMenu() = 0;
};

}  // namespace spf
