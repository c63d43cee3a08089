// Helpers for driving a SheetView from a test: focus, typing, pixels.
#pragma once

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "workbench/view/sheet_view.h"

namespace spf::test {

inline QPlainTextEdit* Editor(SheetView& view) { return view.viewport()->findChild<QPlainTextEdit*>(); }

// Gives the view the keyboard, as a click into the window would.
inline void Focus(SheetView& view) {
    view.activateWindow();
    QApplication::setActiveWindow(&view);
    view.setFocus();
    QApplication::processEvents();
}

// Moves to the cell, replaces the editor's text by typing, and presses Enter.
inline void TypeAndEnter(SheetView& view, int col, int row, const QString& text) {
    Focus(view);
    view.setCurrentCell(col, row);
    QPlainTextEdit* editor = Editor(view);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

inline QString Utf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace spf::test
