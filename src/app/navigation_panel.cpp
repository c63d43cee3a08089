#include "app/navigation_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace spf {

namespace {
constexpr int kOpenHandleWidth = 2;
// The header strip's width is remembered only while it is this wide.
constexpr int kRememberableWidth = 30;

QToolButton* Button(const QString& caption, const QString& hint, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolTipDuration(60000);
    button->setObjectName(name);
    button->setAutoRaise(true);
    return button;
}
}  // namespace

NavigationPanel::NavigationPanel(QSplitter& splitter)
    : QWidget(&splitter),
      splitter_(splitter),
      header_(new QWidget(this)),
      collapse_(Button(QStringLiteral("<<"), {}, QStringLiteral("SpeedButton1"), header_)),
      previous_(Button(QStringLiteral("<"), QStringLiteral("Poprzedni arkusz"),
                       QStringLiteral("previousSheet"), header_)),
      next_(Button(QStringLiteral(">"), QStringLiteral("Następny arkusz"), QStringLiteral("nextSheet"),
                   header_)),
      tree_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("navigationPanel"));
    tree_->setObjectName(QStringLiteral("tv1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* strip = new QHBoxLayout(header_);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    strip->addWidget(collapse_);
    strip->addStretch();
    strip->addWidget(previous_);
    strip->addWidget(next_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(tree_);
    header_->installEventFilter(this);
    connect(collapse_, &QToolButton::clicked, this, &NavigationPanel::Toggle);
    splitter_.setHandleWidth(kOpenHandleWidth);
}

bool NavigationPanel::Collapsed() const { return collapse_->text() == QStringLiteral(">>"); }

void NavigationPanel::Toggle() {
    SetOpen(Collapsed());
    emit toggled();
}

void NavigationPanel::Open() {
    if (Collapsed()) SetOpen(true);
}

void NavigationPanel::SetOpen(bool open) {
    const int total = splitter_.width();
    if (open) {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
        collapse_->setText(QStringLiteral("<<"));
        splitter_.setHandleWidth(kOpenHandleWidth);
        tree_->show();
        previous_->show();
        next_->show();
        splitter_.setSizes({rememberedWidth_, std::max(0, total - rememberedWidth_)});
    } else {
        collapse_->setText(QStringLiteral(">>"));
        splitter_.setHandleWidth(0);
        tree_->hide();
        previous_->hide();
        next_->hide();
        setFixedWidth(kCollapsedWidth);
        splitter_.setSizes({kCollapsedWidth, std::max(0, total - kCollapsedWidth)});
    }
}

bool NavigationPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == header_ && event->type() == QEvent::Resize && header_->width() > kRememberableWidth)
        rememberedWidth_ = header_->width();
    return QWidget::eventFilter(watched, event);
}

}  // namespace spf
