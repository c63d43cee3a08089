// The window "Objaśnienia wstępne": the introduction text shipped beside the
// program and the box that stops it being offered at start-up.
#pragma once

#include <QDialog>

class QCheckBox;
class QTextBrowser;

namespace spf {

class AppSettings;

class IntroWindow : public QDialog {
    Q_OBJECT
public:
    IntroWindow(AppSettings& settings, QWidget* parent = nullptr);

    // Reads the text; the error text when the file cannot be read, empty otherwise.
    QString LoadText(const QString& path);

private:
    QTextBrowser* text_;
    QCheckBox* dontShow_;
};

}  // namespace spf
