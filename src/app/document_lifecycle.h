// The life of the one open document: new from the template, open, save,
// save as, close, the unsaved-changes question and the remembered last file.
#pragma once

#include <QString>

#include "model/workbook.h"

namespace spf {

class AppSettings;
class Clock;
class DocumentHost;
class ProgressWindow;
class ShippedFiles;
class UserPrompts;
class ViewContext;
class WorkLog;

class DocumentLifecycle {
public:
    struct Parts {
        Workbook& workbook;
        DocumentHost& host;
        UserPrompts& prompts;
        AppSettings& settings;
        WorkLog& log;
        ProgressWindow& progress;
        ViewContext& view;
        const ShippedFiles& files;
        const Clock& clock;
        QString documentsFolder;  // where the file dialogs start
    };
    explicit DocumentLifecycle(Parts parts);

    // Reads the file and shows it; false (after a message) when it cannot be read.
    bool Load(const QString& path);
    // Writes the document; false (after a message) when nothing was written.
    bool Write(const QString& path);
    void Close();
    // Whether the caller may give up the document: saved, discarded or written.
    bool AskToGiveUp();

    // The commands of the "Plik" menu.
    void NewDocument();
    void Open();
    bool Save();
    bool SaveAs();
    void CloseCommand();

    // Every change to the document goes through here.
    void MarkChanged();

    // A current file that is empty or is the template counts as no name.
    bool HasName() const;
    QString FileName() const;
    void SetFileName(const QString& path);
    // The document shown is what could be read of a damaged file, not yet saved.
    bool ShowsReadablePart() const { return showsReadablePart_; }
    // The name the save dialog proposes.
    const QString& SaveDialogName() const { return saveDialogName_; }

private:
    static bool IsTemplateName(const QString& path);
    void EndFailedLoad(const QString& reason);
    // The steps after a successful read that show the document.
    void ShowLoadedDocument(bool autoFit);
    // A file that ends early: what could be read, opened as a new unnamed
    // document if the user wants it.
    bool OfferReadablePart(const QString& reason, Workbook readablePart);

    Parts p_;
    QString saveDialogName_;
    bool showsReadablePart_ = false;
};

}  // namespace spf
