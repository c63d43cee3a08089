// The window "Otwieranie" shown while a document is read: what is opened,
// which sheet is being read, and a bar over the sheets.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace spf {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void Begin(const QString& firstLine);
    void SetSheetCount(int count);
    void AdvanceSheet(const QString& sheetName);
    void End();

    QString FirstLine() const;
    QString SecondLine() const;
    int Value() const;
    int Maximum() const;

private:
    QLabel* first_;
    QLabel* second_;
    QProgressBar* bar_;
};

}  // namespace spf
