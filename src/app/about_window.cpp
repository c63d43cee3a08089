#include "app/about_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "app/product_info.h"
#include "app/user_prompts.h"
#include "app/work_log.h"

namespace spf {

namespace {
QLabel* Line(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }
}  // namespace

AboutWindow::AboutWindow(WorkLog& log, UserPrompts& prompts, UrlOpener openUrl, QWidget* parent)
    : QDialog(parent),
      log_(log),
      prompts_(prompts),
      openUrl_(std::move(openUrl)),
      icon_(new QLabel(this)),
      traces_(new QListWidget(this)) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(QStringLiteral("O programie"));
    icon_->setObjectName(QStringLiteral("programIcon"));
    icon_->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(48, 48));
    icon_->installEventFilter(this);
    traces_->setObjectName(QStringLiteral("traceLines"));

    auto* name = Line(kProductName, this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    auto* header = new QHBoxLayout;
    header->addWidget(icon_);
    auto* titles = new QVBoxLayout;
    titles->addWidget(name);
    titles->addWidget(Line(kVersionText, this));
    titles->addWidget(Line(kMakerLine, this));
    header->addLayout(titles);
    header->addStretch();

    auto* notice = new QLabel(
        QStringLiteral("Program jest jedynie pomocą przy sporządzaniu dokumentów sprawozdania finansowego \n"
                       "i nie zwalnia od obowiązku sprawdzenia wyliczeń, ponieważ konsekwencje błędnego \n"
                       "wypełnienia obciążają składającego roczne sprawozdanie finansowe."),
        this);
    notice->setObjectName(QStringLiteral("notice"));

    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    auto* mail = new QPushButton(QStringLiteral("Poczta"), this);
    auto* web = new QPushButton(QStringLiteral("Internet"), this);
    mail->setObjectName(QStringLiteral("mailButton"));
    web->setObjectName(QStringLiteral("webButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(mail, &QPushButton::clicked, this, [this] {
        QUrl url(QStringLiteral("mailto:") + QString::fromUtf8(kMakerMailAddress));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Sprawozdanie Finansowe - program ") +
                                                          QString::fromUtf8(kVersionText));
        url.setQuery(query);
        openUrl_(url);
    });
    connect(web, &QPushButton::clicked, this,
            [this] { openUrl_(QUrl(QString::fromUtf8(kMakerWebAddress))); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mail);
    buttons->addWidget(web);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(notice);
    layout->addWidget(traces_);
    layout->addLayout(buttons);
}

void AboutWindow::ToggleMonitoring() {
    const bool on = !log_.Monitoring();
    log_.SetMonitoring(on);
    emit monitoringChanged(on);
    prompts_.Inform(QStringLiteral("Monitorowanie"),
                    on ? QStringLiteral("Uruchomiono monitorowanie pracy programu")
                       : QStringLiteral("Zaprzestano monitorowania pracy programu"));
    ShowTraceLines();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == icon_ && event->type() == QEvent::MouseButtonDblClick) {
        ToggleMonitoring();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::showEvent(QShowEvent* event) {
    ShowTraceLines();
    QDialog::showEvent(event);
}

void AboutWindow::ShowTraceLines() {
    traces_->clear();
    for (const std::string& line : log_.Lines()) traces_->addItem(QString::fromStdString(line));
    traces_->setVisible(log_.Monitoring() || !log_.Lines().empty());
}

}  // namespace spf
