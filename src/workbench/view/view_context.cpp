#include "workbench/view/view_context.h"

#include <QTimer>

#include "model/workbook.h"
#include "workbench/document/document.h"
#include "workbench/view/sheet_view.h"

namespace spf {

ViewContext::ViewContext(Document& document, QObject* parent)
    : QObject(parent), CellEntryHost(document.workbook()), document_(document), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &ViewContext::recalculateActiveNow);
}

void ViewContext::setRecalculate(std::function<void(SheetView&)> recalculate) {
    recalculate_ = std::move(recalculate);
}

void ViewContext::startRecalcTimer() {
    if (!timer_->isActive()) timer_->start();
}

bool ViewContext::recalcPending() const { return timer_->isActive(); }

void ViewContext::recalculateActiveNow() {
    timer_->stop();
    if (!workbook().DocumentOpen || !active_) return;
    try {
        if (recalculate_) recalculate_(*active_);
    } catch (...) {
        // A failed recalculation keeps what was calculated; the user sees no message.
    }
    active_->refresh();
    emit recalculated();
}

}  // namespace spf
