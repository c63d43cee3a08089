#include "app/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace spf {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Pomoc - Spis treści"));
    setModal(false);
    resize(760, 640);
    browser_->setOpenExternalLinks(true);
    auto* contents = new QPushButton(QStringLiteral("Spis treści"), this);
    auto* back = new QPushButton(QStringLiteral("Wstecz"), this);
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    back->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

QString HelpWindow::ShowContents(const QString& path) {
    const QFileInfo info(path);
    if (!info.isReadable()) return QStringLiteral("Nie można otworzyć pliku pomocy: ") + path;
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    show();
    raise();
    activateWindow();
    return {};
}

}  // namespace spf
