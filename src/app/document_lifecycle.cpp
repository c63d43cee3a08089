#include "app/document_lifecycle.h"

#include <QFileInfo>

#include "app/app_settings.h"
#include "app/document_host.h"
#include "app/progress_window.h"
#include "app/shipped_files.h"
#include "app/user_prompts.h"
#include "app/work_log.h"
#include "model/dates.h"
#include "model/file/save_document.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"
#include "workbench/core/sheet_grid_setup.h"
#include "workbench/view/view_context.h"

namespace spf {

namespace {

const QString kTemplateName = QStringLiteral("empty.spf");
const QString kTitlePrefix = QStringLiteral("Sprawozdanie Finansowe - ");
const QString kQuestionTitle = QStringLiteral("Sprawozdanie finansowe");

}  // namespace

DocumentLifecycle::DocumentLifecycle(Parts parts) : p_(std::move(parts)) {}

bool DocumentLifecycle::IsTemplateName(const QString& path) {
    return QFileInfo(path).fileName().compare(kTemplateName, Qt::CaseInsensitive) == 0;
}

bool DocumentLifecycle::HasName() const {
    return !p_.workbook.FileName.empty() && !IsTemplateName(FileName());
}

QString DocumentLifecycle::FileName() const { return QString::fromStdString(p_.workbook.FileName); }

void DocumentLifecycle::SetFileName(const QString& path) { p_.workbook.FileName = path.toStdString(); }

void DocumentLifecycle::MarkChanged() {
    if (p_.workbook.DocumentOpen) p_.workbook.Saved = false;
}

bool DocumentLifecycle::Load(const QString& path) {
    if (!p_.workbook.Sheets.empty()) Close();
    showsReadablePart_ = false;
    p_.log.Trace("opnF:" + path.toStdString());
    p_.workbook.UndoJournal.clear();
    p_.host.UndoJournalEmptied();
    p_.host.SetSheetAreaVisible(false);
    p_.host.SetWaitCursor(true);
    p_.view.autoRecalc = false;
    const bool autoFit = p_.view.autoFitColumns;
    p_.view.autoFitColumns = false;
    p_.host.SetDocumentTitle(kTitlePrefix + path);

    const bool isTemplate = IsTemplateName(path);
    p_.progress.Begin(isTemplate ? QStringLiteral("Przygotowuję nowe sprawozdanie")
                                 : QStringLiteral("Otwieram plik: ") + QFileInfo(path).fileName());
    ReadOptions options;
    options.clock = &p_.clock;
    options.onSheet = [this](int index, int sheetsCount, const std::string& name) {
        if (index == 0) p_.progress.SetSheetCount(sheetsCount);
        p_.progress.AdvanceSheet(QString::fromStdString(name));
    };
    std::optional<Workbook> readablePart;
    const std::optional<ReadError> error =
        LoadDocumentInto(p_.workbook, path.toStdString(), options, &readablePart);
    p_.progress.End();
    if (error) {
        p_.view.autoFitColumns = autoFit;
        if (error->kind == ReadFailure::Truncated && readablePart) {
            return OfferReadablePart(QString::fromStdString(error->Message()), std::move(*readablePart));
        }
        EndFailedLoad(QString::fromStdString(error->Message()));
        return false;
    }
    SetFileName(path);

    // Remembered only once the file has proved readable, so that the start
    // window never offers a file that cannot be opened.
    saveDialogName_ = isTemplate ? QString() : path;
    if (!path.contains(kTemplateName, Qt::CaseInsensitive)) p_.settings.SetLastFile(path);
    ShowLoadedDocument(autoFit);
    p_.workbook.Saved = true;
    p_.host.AktualizujMenu();
    return true;
}

void DocumentLifecycle::ShowLoadedDocument(bool autoFit) {
    // The grids get their sheet sizes here, so that showing a sheet writes nothing.
    ConfigureSheetGrids(p_.workbook);
    p_.host.BuildSheetPages();
    p_.host.RefreshNavigation();
    p_.view.autoFitColumns = autoFit;
    p_.host.OpenNavigationOnFirstSheet();
    p_.view.autoRecalc = true;
    p_.view.startRecalcTimer();
    p_.host.ShowNotesList();
    p_.host.SetSheetAreaVisible(true);
    p_.host.SetWaitCursor(false);
    p_.workbook.DocumentOpen = true;
}

bool DocumentLifecycle::OfferReadablePart(const QString& reason, Workbook readablePart) {
    const QString question =
        QStringLiteral(
            "Plik jest uszkodzony:\n%1\n\nCzy otworzyć odczytaną część jako nowy dokument bez "
            "nazwy? Uszkodzony plik pozostanie nienaruszony.")
            .arg(reason);
    if (!p_.prompts.AskYesNo(kQuestionTitle, question)) {
        EndFailedLoad(reason);
        return false;
    }
    // No name, so that no save can overwrite the damaged original; unsaved, so
    // that closing asks before the recovered figures are lost.
    p_.workbook = std::move(readablePart);
    p_.workbook.FileName.clear();
    saveDialogName_.clear();
    p_.host.SetDocumentTitle(kTitlePrefix + QStringLiteral("(nowy dokument)"));
    ShowLoadedDocument(p_.view.autoFitColumns);
    p_.workbook.Saved = false;
    showsReadablePart_ = true;
    p_.host.AktualizujMenu();
    return true;
}

void DocumentLifecycle::EndFailedLoad(const QString& reason) {
    p_.view.autoRecalc = true;
    p_.workbook.Close(p_.clock.Today());
    p_.workbook.FileName.clear();
    p_.host.SetDocumentTitle(kQuestionTitle);
    p_.host.SetSheetAreaVisible(true);
    p_.host.SetWaitCursor(false);
    p_.host.AktualizujMenu();
    p_.prompts.ReportError(kQuestionTitle, QStringLiteral("Nie można otworzyć pliku:\n%1").arg(reason));
}

bool DocumentLifecycle::Write(const QString& path) {
    p_.log.Trace("sv:" + path.toStdString());
    p_.host.SetWaitCursor(true);
    // A failed save keeps the undo journal with the document as it was.
    const std::optional<SaveError> error = SaveDocument(p_.workbook, path.toStdString());
    p_.host.SetWaitCursor(false);
    if (error) {
        p_.prompts.ReportError(
            kQuestionTitle,
            QStringLiteral("Nie można zapisać pliku:\n%1").arg(QString::fromStdString(error->Message())));
        return false;
    }
    p_.host.UndoJournalEmptied();
    return true;
}

void DocumentLifecycle::Close() {
    showsReadablePart_ = false;
    p_.workbook.UndoJournal.clear();
    p_.host.UndoJournalEmptied();
    p_.host.ReleaseSheetPages();
    p_.workbook.Close(p_.clock.Today());
    p_.host.AktualizujMenu();
    p_.workbook.Saved = true;
}

bool DocumentLifecycle::AskToGiveUp() {
    if (p_.workbook.Saved || p_.workbook.Sheets.empty()) return true;
    // The template's name is no name of the user's: ask without one.
    const QString name = HasName() ? QFileInfo(FileName()).fileName() : QString();
    const QString text = name.isEmpty()
                             ? QStringLiteral("Czy zapisać zmiany w pliku?")
                             : QStringLiteral("Czy zapisać zmiany w pliku ") + name + QStringLiteral("?");
    switch (p_.prompts.AskYesNoCancel(kQuestionTitle, text)) {
        case Answer::Cancel:
            return false;
        case Answer::No:
            p_.workbook.Saved = true;
            return true;
        case Answer::Yes:
            break;
    }
    // The pending command goes on only once the document is written.
    return Save();
}

void DocumentLifecycle::NewDocument() {
    if (!AskToGiveUp()) return;
    Close();
    SetFileName(p_.files.Template());
    Load(p_.files.Template());
}

void DocumentLifecycle::Open() {
    if (!AskToGiveUp()) return;
    Close();
    const QString path = p_.prompts.OpenFileName(p_.documentsFolder);
    if (path.isEmpty()) return;
    SetFileName(path);
    Load(path);
}

bool DocumentLifecycle::Save() {
    if (HasName()) return Write(FileName());
    return SaveAs();
}

bool DocumentLifecycle::SaveAs() {
    const QString path = p_.prompts.SaveFileName(p_.documentsFolder, saveDialogName_);
    if (path.isEmpty()) return false;
    if (!Write(path)) return false;
    showsReadablePart_ = false;
    SetFileName(path);
    saveDialogName_ = path;
    p_.host.SetDocumentTitle(kTitlePrefix + path);
    return true;
}

void DocumentLifecycle::CloseCommand() {
    // Closing without a question would lose unsaved changes.
    if (!AskToGiveUp()) return;
    Close();
}

}  // namespace spf
