// The frameless start window: a new statement, a file, the last file, the
// help contents and the two links.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QUrl;

namespace spf {

enum class StartChoice { None, NewDocument, OpenFile, LastFile };

class StartWindow : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;
    StartWindow(UrlOpener openUrl, std::function<void()> showHelp, QWidget* parent = nullptr);

    // Shows the window modally with the last file offered; the user's choice.
    StartChoice Choose(const QString& lastFile);

    // What a test or a shortcut picks without a click.
    void Pick(StartChoice choice);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StartChoice choice_ = StartChoice::None;
    QString lastFile_;
    QPushButton* lastButton_;
};

}  // namespace spf
