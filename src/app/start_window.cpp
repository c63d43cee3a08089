#include "app/start_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/product_info.h"

namespace spf {

namespace {
constexpr int kBandHeight = 110;

QPushButton* ChoiceButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(34);
    return button;
}

QLabel* Link(const QString& caption, const char* address, QWidget* parent) {
    auto* label =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(QString::fromUtf8(address), caption), parent);
    label->setTextFormat(Qt::RichText);
    return label;
}
}  // namespace

StartWindow::StartWindow(UrlOpener openUrl, std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("startWindow"));
    setWindowTitle(QString::fromUtf8(kProductName));
    setFixedSize(460, 340);
    // Window-modal, so that the help window opened from here stays usable.
    setWindowModality(Qt::WindowModal);

    auto* fresh =
        ChoiceButton(QStringLiteral("Nowe sprawozdanie finansowe"), QStringLiteral("newButton"), this);
    auto* open =
        ChoiceButton(QStringLiteral("Otwórz plik sprawozdania..."), QStringLiteral("openButton"), this);
    lastButton_ = ChoiceButton(QStringLiteral("Ostatnio otwierany plik"), QStringLiteral("lastButton"), this);
    auto* help = ChoiceButton(QStringLiteral("Spis treści pomocy"), QStringLiteral("helpButton"), this);
    connect(fresh, &QPushButton::clicked, this, [this] { Pick(StartChoice::NewDocument); });
    connect(open, &QPushButton::clicked, this, [this] { Pick(StartChoice::OpenFile); });
    connect(lastButton_, &QPushButton::clicked, this, [this] { Pick(StartChoice::LastFile); });
    connect(help, &QPushButton::clicked, this, [showHelp] { showHelp(); });

    auto* maker = Link(QStringLiteral("Strona producenta"), kMakerWebAddress, this);
    auto* partner =
        Link(QStringLiteral("Strona firmy ") + QString::fromUtf8(kPartnerName), kPartnerWebAddress, this);
    for (QLabel* link : {maker, partner})
        connect(link, &QLabel::linkActivated, this, [openUrl](const QString& url) { openUrl(QUrl(url)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, kBandHeight + 16, 30, 14);
    layout->addWidget(fresh);
    layout->addWidget(open);
    layout->addWidget(lastButton_);
    layout->addWidget(help);
    layout->addStretch();
    auto* links = new QHBoxLayout;
    links->addWidget(maker);
    links->addStretch();
    links->addWidget(partner);
    layout->addLayout(links);
}

StartChoice StartWindow::Choose(const QString& lastFile) {
    choice_ = StartChoice::None;
    lastFile_ = lastFile;
    const QString name = QFileInfo(lastFile).fileName();
    lastButton_->setText(name.isEmpty() ? QStringLiteral("Ostatnio otwierany plik")
                                        : QStringLiteral("Ostatnio otwierany plik: ") + name);
    lastButton_->setToolTip(lastFile);
    exec();
    return choice_;
}

void StartWindow::Pick(StartChoice choice) {
    choice_ = choice;
    accept();
}

void StartWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(253, 247, 234));
    QLinearGradient band(0, 0, width(), kBandHeight);
    band.setColorAt(0, QColor(22, 64, 120));
    band.setColorAt(1, QColor(60, 120, 180));
    painter.fillRect(QRect(0, 0, width(), kBandHeight), band);
    painter.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(title.pointSize() + 9);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(30, 18, width() - 60, 50), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(kProductName));
    QFont small = font();
    painter.setFont(small);
    painter.drawText(QRect(30, 68, width() - 60, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(kVersionText));
    painter.setPen(QColor(22, 64, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QDialog::paintEvent(event);
}

}  // namespace spf
