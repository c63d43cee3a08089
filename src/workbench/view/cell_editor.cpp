#include "workbench/view/cell_editor.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextOption>

#include "workbench/view/sheet_view.h"

namespace spf {

CellEditor::CellEditor(SheetView& view) : QPlainTextEdit(view.viewport()), view_(view) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(1);
    hide();
}

void CellEditor::start(const QString& text, Qt::Alignment alignment, const QFont& font,
                       const QColor& textColor, const QColor& background) {
    startText_ = text;
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
            view_.editorEnter();
            return;
        case Qt::Key_Escape:
            restoreStartText();
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            view_.editorNavigate(key, mods);
            return;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const QTextCursor c = textCursor();
            const bool atEdge = key == Qt::Key_Left ? c.atStart() : c.atEnd();
            if (!(mods & Qt::ShiftModifier) && !c.hasSelection() && atEdge) {
                view_.editorNavigate(key, mods);
                return;
            }
            break;
        }
        default:
            break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    view_.editorFocusLost(event->reason());
}

}  // namespace spf
