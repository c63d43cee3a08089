// The questions the program puts to the user: message boxes and the file
// dialogs. Tests replace them with scripted answers.
#pragma once

#include <QString>

class QWidget;

namespace spf {

enum class Answer { Yes, No, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // Yes, No and Cancel with a question mark.
    virtual Answer AskYesNoCancel(const QString& title, const QString& text) = 0;
    // Yes and No with a warning sign; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    virtual void Inform(const QString& title, const QString& text) = 0;
    virtual void ReportError(const QString& title, const QString& text) = 0;
    // An empty name when the dialog was cancelled.
    virtual QString OpenFileName(const QString& folder) = 0;
    virtual QString SaveFileName(const QString& folder, const QString& proposed) = 0;
    // The same for a spreadsheet file (.xlsx).
    virtual QString SaveSpreadsheetName(const QString& folder, const QString& proposed) = 0;
};

// The platform's message boxes and file dialogs over a parent window.
class DialogPrompts final : public UserPrompts {
public:
    explicit DialogPrompts(QWidget* parent) : parent_(parent) {}
    Answer AskYesNoCancel(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    void Inform(const QString& title, const QString& text) override;
    void ReportError(const QString& title, const QString& text) override;
    QString OpenFileName(const QString& folder) override;
    QString SaveFileName(const QString& folder, const QString& proposed) override;
    QString SaveSpreadsheetName(const QString& folder, const QString& proposed) override;

private:
    QWidget* parent_;
};

}  // namespace spf
