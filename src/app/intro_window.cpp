#include "app/intro_window.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/app_settings.h"

namespace spf {

IntroWindow::IntroWindow(AppSettings& settings, QWidget* parent)
    : QDialog(parent),
      text_(new QTextBrowser(this)),
      dontShow_(new QCheckBox(QStringLiteral("Nie pokazuj więcej tego okienka"), this)) {
    setObjectName(QStringLiteral("introWindow"));
    setWindowTitle(QStringLiteral("Objaśnienia wstępne"));
    resize(640, 520);
    text_->setOpenExternalLinks(true);
    dontShow_->setObjectName(QStringLiteral("dontShowAgain"));
    auto* close = new QPushButton(QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // Any click stores the wish, whether it ticks or unticks the box.
    connect(dontShow_, &QCheckBox::clicked, this, [&settings] { settings.SuppressIntroduction(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShow_);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(bottom);
}

QString IntroWindow::LoadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        text_->clear();
        return file.errorString();
    }
    text_->setHtml(QString::fromUtf8(file.readAll()));
    return {};
}

}  // namespace spf
