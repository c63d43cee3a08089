// The help guide shipped beside the program, opened at its contents.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace spf {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents of the guide; the error text when it cannot be read.
    QString ShowContents(const QString& path);

private:
    QTextBrowser* browser_;
};

}  // namespace spf
