#include "workbench/view/cell_hint.h"

namespace spf {

CellHint::CellHint(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setTextFormat(Qt::PlainText);
    hide();
}

void CellHint::showAt(const QString& text, const QPoint& globalTopLeft) {
    setText(text);
    adjustSize();
    move(globalTopLeft);
    show();
}

}  // namespace spf
