#include "workbench/view/cell_editor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextOption>

namespace spf {

CellEditor::CellEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(1);
    hide();
}

void CellEditor::start(const QString& text, Qt::Alignment alignment, const QFont& font,
                       const QColor& textColor, const QColor& background, bool amount) {
    startText_ = text;
    amount_ = amount;
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, textColor);
    setPalette(pal);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    document()->setDefaultTextOption(option);
    setPlainText(text);
    selectAll();
}

void CellEditor::restoreStartText() {
    setPlainText(startText_);
    selectAll();
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Ctrl+Enter starts a new line inside the cell; Enter walks on.
            if (mods & Qt::ControlModifier) {
                insertPlainText(QStringLiteral("\n"));
                return;
            }
            emit enterPressed();
            return;
        case Qt::Key_Escape:
            restoreStartText();
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            emit tabPressed(key == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            emit navigationKey(key, mods);
            return;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const QTextCursor c = textCursor();
            const bool atEdge = key == Qt::Key_Left ? c.atStart() : c.atEnd();
            if (!(mods & Qt::ShiftModifier) && !c.hasSelection() && atEdge) {
                emit navigationKey(key, mods);
                return;
            }
            break;
        }
        default:
            break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CellEditor::mousePressEvent(QMouseEvent* event) {
    // A click into an amount nobody has typed over yet selects all of it, so
    // that typing replaces the amount instead of extending "0,00".
    if (amount_ && !modified() && event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        selectAll();
        event->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit focusLost(event->reason());
}

}  // namespace spf
