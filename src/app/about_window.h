// The window "O programie": name, version, maker, the notice about the
// user's responsibility, mail and web buttons, and the work-log switch
// behind a double click on the program icon.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QUrl;

namespace spf {

class UserPrompts;
class WorkLog;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;
    AboutWindow(WorkLog& log, UserPrompts& prompts, UrlOpener openUrl, QWidget* parent = nullptr);

    // What a double click on the program icon does.
    void ToggleMonitoring();

signals:
    void monitoringChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowTraceLines();

    WorkLog& log_;
    UserPrompts& prompts_;
    UrlOpener openUrl_;
    QLabel* icon_;
    QListWidget* traces_;
};

}  // namespace spf
