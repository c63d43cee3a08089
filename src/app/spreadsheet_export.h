// "Eksportuj do Excela": the options, the file name, the recalculation, the
// export with a progress bar, and the file opened by the desktop.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QUrl;
class QWidget;

namespace spf {

class Clock;
class Document;
class DocumentLifecycle;
class ExportDialog;
class SheetSelectionDialog;
class UserPrompts;

class SpreadsheetExport {
public:
    struct Parts {
        Document& document;
        DocumentLifecycle& lifecycle;
        SheetSelectionDialog& sheets;
        UserPrompts& prompts;
        const Clock& clock;
        std::function<bool(const QUrl&)> openUrl;
        QString documentsFolder;  // where the save dialog starts for an unnamed document
        QWidget* parent;
    };

    explicit SpreadsheetExport(Parts parts);

    void Run();

private:
    QString ProposedPath() const;
    // The reason of a failure; empty when written or stopped by the user.
    QString Write(const QString& path, bool formulas, const std::vector<int>& sheets, bool& stopped);

    Parts p_;
    ExportDialog* dialog_;
};

}  // namespace spf
