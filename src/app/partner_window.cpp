#include "app/partner_window.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/product_info.h"

namespace spf {

PartnerWindow::PartnerWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("partnerWindow"));
    setWindowTitle(QStringLiteral("Informacje o ") + QString::fromUtf8(kPartnerName));
    setFixedSize(520, 380);
    auto* text = new QTextBrowser(this);
    text->setOpenExternalLinks(true);
    text->setHtml(
        QStringLiteral(
            "<h2>%1</h2>"
            "<p>Program „Sprawozdanie finansowe” jest rozpowszechniany we współpracy z firmą %1.</p>"
            "<p>Strona internetowa: <a href=\"%2\">%2</a></p>")
            .arg(QString::fromUtf8(kPartnerName), QString::fromUtf8(kPartnerWebAddress)));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace spf
