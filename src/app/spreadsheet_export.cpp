#include "app/spreadsheet_export.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QUrl>

#include "app/document_lifecycle.h"
#include "app/export_dialog.h"
#include "app/sheet_selection_dialog.h"
#include "app/user_prompts.h"
#include "export/xlsx_export.h"
#include "workbench/document/document.h"

namespace spf {

namespace {

const QString kTitle = QStringLiteral("Eksport do Excela");
const QString kFailed =
    QStringLiteral("Podczas eksportu wystąpił błąd lub proces został przerwany przez użytkownika.");
const QString kNoSheets = QStringLiteral("Nie zaznaczono żadnego arkusza do eksportu.");
const QString kUnnamed = QStringLiteral("Sprawozdanie finansowe");

QString EstimateText(WallClock::time_point end) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(end.time_since_epoch()).count();
    return QStringLiteral("Przewidywany czas zakończenia: ") +
           QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

SpreadsheetExport::SpreadsheetExport(Parts parts)
    : p_(std::move(parts)), dialog_(new ExportDialog(p_.sheets, p_.parent)) {}

void SpreadsheetExport::Run() {
    ExportChoice choice;
    if (!dialog_->Choose(choice)) return;
    std::vector<int> sheets;
    if (choice.selectedSheetsOnly) {
        sheets = p_.sheets.CheckedSheets();
        // The core reads an empty list as every sheet.
        if (sheets.empty()) {
            p_.prompts.Inform(kTitle, kNoSheets);
            return;
        }
    }
    const QFileInfo proposed(ProposedPath());
    const QString path = p_.prompts.SaveSpreadsheetName(proposed.absolutePath(), proposed.fileName());
    if (path.isEmpty()) return;

    // The file holds the figures the sheets show after a full recalculation.
    p_.document.recalculateWorkbook();
    bool stopped = false;
    const QString error = Write(path, choice.formulas, sheets, stopped);
    if (stopped) return;
    if (!error.isEmpty()) {
        p_.prompts.ReportError(kTitle, kFailed + QStringLiteral("\n\n") + error);
        return;
    }
    if (!p_.openUrl(QUrl::fromLocalFile(path)))
        p_.prompts.Inform(kTitle,
                          QStringLiteral("Nie znaleziono programu, który otworzy arkusz kalkulacyjny. "
                                         "Plik zapisano jako:\n") +
                              QDir::toNativeSeparators(path));
}

QString SpreadsheetExport::ProposedPath() const {
    if (!p_.lifecycle.HasName()) return QDir(p_.documentsFolder).filePath(kUnnamed + QStringLiteral(".xlsx"));
    const QFileInfo document(p_.lifecycle.FileName());
    return document.dir().filePath(document.completeBaseName() + QStringLiteral(".xlsx"));
}

QString SpreadsheetExport::Write(const QString& path, bool formulas, const std::vector<int>& sheets,
                                 bool& stopped) {
    QProgressDialog progress(kTitle, QStringLiteral("Anuluj"), 0, 100, p_.parent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    int shown = -1;
    XlsxExportOptions options;
    options.formulas = formulas;
    options.sheets = sheets;
    // Called for every cell: the bar moves, and events are let in, only per percent.
    options.progress = [&](const ExportProgress& at) {
        const int percent = at.total > 0 ? static_cast<int>(at.done * 100 / at.total) : 100;
        if (percent != shown) {
            shown = percent;
            progress.setLabelText(EstimateText(at.estimatedEnd));
            progress.setValue(percent);
        }
        stopped = progress.wasCanceled();
        return !stopped;
    };
    const auto error =
        ExportXlsx(p_.document.workbook(), p_.clock, QFile::encodeName(path).toStdString(), options);
    progress.setValue(100);
    return error ? QString::fromStdString(*error) : QString();
}

}  // namespace spf
