#include "app/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace spf {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      first_(new QLabel(this)),
      second_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QStringLiteral("Otwieranie"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addWidget(bar_);
    bar_->setTextVisible(false);
    setMinimumWidth(380);
}

void ProgressWindow::Begin(const QString& firstLine) {
    first_->setText(firstLine);
    second_->clear();
    bar_->setRange(0, 0);
    bar_->setValue(0);
    show();
    // The read runs on the one thread; let the window appear before it starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressWindow::SetSheetCount(int count) { bar_->setRange(0, count < 0 ? 0 : count); }

void ProgressWindow::AdvanceSheet(const QString& sheetName) {
    if (bar_->value() < bar_->maximum()) bar_->setValue(bar_->value() + 1);
    second_->setText(QStringLiteral("Arkusz: ") + sheetName);
    repaint();
}

void ProgressWindow::End() { hide(); }

QString ProgressWindow::FirstLine() const { return first_->text(); }
QString ProgressWindow::SecondLine() const { return second_->text(); }
int ProgressWindow::Value() const { return bar_->value() < 0 ? 0 : bar_->value(); }
int ProgressWindow::Maximum() const { return bar_->maximum(); }

}  // namespace spf
