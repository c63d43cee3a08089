#include "workbench/view/edit_session.h"

#include <QApplication>

#include "model/workbook.h"
#include "workbench/core/cell_entry.h"
#include "workbench/view/cell_editor.h"
#include "workbench/view/grid_look.h"
#include "workbench/view/sheet_view.h"

namespace spf {

namespace {

QString FromModel(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// The editor breaks lines with "\n"; cell texts keep the file's CR LF.
std::string ToModel(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s.toStdString();
}

}  // namespace

EditSession::EditSession(SheetView& view)
    : QObject(&view), view_(view), editor_(new CellEditor(view.viewport())) {
    connect(editor_, &CellEditor::focusLost, this, &EditSession::focusLost);
}

EditSession::~EditSession() {
    // The editor goes first, while its focus handling can still reach the view.
    closing_ = true;
    delete editor_;
}

bool EditSession::modified() const { return editor_->modified(); }

void EditSession::restart() {
    const QPoint current = view_.currentCell();
    const int col = current.x(), row = current.y();
    const QString start = FromModel(BeginCellEdit(view_.context(), view_.sheet(), col, row));
    cell_ = current;
    const GridLook& look = view_.look();
    editor_->start(start, HorizontalAlignment(look.effectiveAlign(col, row)), look.effectiveFont(col, row),
                   look.effectiveFontColor(col, row), look.ColorCell(col, row),
                   IsAmountCell(view_.grid().At(col, row)));
    place();
}

void EditSession::openOnCurrent(const std::optional<QString>& withKey) {
    const QPoint current = view_.currentCell();
    if (!view_.editing() || !view_.cellEditable(current.x(), current.y())) return;
    restart();
    if (withKey) {
        editor_->setPlainText(*withKey);
        editor_->moveCursor(QTextCursor::End);
    }
    editor_->show();
    editor_->setFocus();
}

void EditSession::place() {
    if (!open()) return;
    // Exactly the cell's box: a wider editor would hide the neighbouring
    // figure, or be cut off by the viewport in the last column.
    editor_->setGeometry(view_.cellBox(cell_.x(), cell_.y()));
}

void EditSession::report() {
    if (!open()) return;
    const QPoint cell = cell_;
    CellEntryHost& host = view_.context();
    const std::string text =
        editor_->modified() ? ToModel(editor_->toPlainText()) : host.cellEntry().EditStartText();
    if (EndCellEdit(host, view_.sheet(), cell.x(), cell.y(), text)) emit cellChanged(cell.x(), cell.y());
}

void EditSession::close(bool reportText) {
    if (!open() || closing_) return;
    closing_ = true;
    if (reportText) report();
    const bool hadFocus = editor_->hasFocus();
    cell_ = QPoint(-1, -1);
    if (hadFocus) view_.setFocus();
    editor_->hide();
    closing_ = false;
}

void EditSession::commit() {
    if (!open()) return;
    const bool hadFocus = editor_->hasFocus();
    close(true);
    if (hadFocus || view_.hasFocus()) openOnCurrent();
}

void EditSession::shiftRow(int row, int delta) {
    if (!open()) return;
    if (delta > 0 && cell_.y() >= row) cell_.ry() += delta;
    if (delta < 0 && cell_.y() > row) cell_.ry() += delta;
}

void EditSession::focusLost(Qt::FocusReason reason) {
    if (closing_ || !open()) return;
    // A menu or another window taking the keyboard stores the text but keeps
    // the editor, which gets the focus back when the user returns.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        if (!editor_->modified()) return;
        report();
        restart();
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == &view_ || (focus && view_.isAncestorOf(focus))) return;
    close(true);
}

}  // namespace spf
