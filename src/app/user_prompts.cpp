#include "app/user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace spf {

namespace {

struct FileKind {
    QString filter;
    QString extension;
};
const FileKind kStatementFile{QStringLiteral("Plik Sprawozdania finansowego (*.spf)"), QStringLiteral("spf")};
const FileKind kSpreadsheetFile{QStringLiteral("Arkusz kalkulacyjny (*.xlsx)"), QStringLiteral("xlsx")};

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder,
                      const QString& proposed, const FileKind& kind = kStatementFile) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(kind.filter);
    dialog.setDefaultSuffix(kind.extension);
    dialog.setDirectory(folder);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setWindowTitle(QStringLiteral("Zapisz"));
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!proposed.isEmpty()) dialog.selectFile(proposed);
    } else {
        dialog.setWindowTitle(QStringLiteral("Otwórz"));
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

Answer DialogPrompts::AskYesNoCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    // The captions are the program's own, whatever translations the platform has.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    const auto button = box.standardButton(box.clickedButton());
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

void DialogPrompts::Inform(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text);
}

bool DialogPrompts::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompts::ReportError(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}

QString DialogPrompts::OpenFileName(const QString& folder) {
    return RunFileDialog(parent_, QFileDialog::AcceptOpen, folder, {});
}

QString DialogPrompts::SaveFileName(const QString& folder, const QString& proposed) {
    // QFileDialog asks before overwriting an existing file by default.
    return RunFileDialog(parent_, QFileDialog::AcceptSave, folder, proposed);
}

QString DialogPrompts::SaveSpreadsheetName(const QString& folder, const QString& proposed) {
    return RunFileDialog(parent_, QFileDialog::AcceptSave, folder, proposed, kSpreadsheetFile);
}

}  // namespace spf
