// The in-place editor: its box, its look, the Enter walk and when an edit ends.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "view_fixture.h"
#include "view_test_support.h"

using namespace spf;
using namespace spf::test;

namespace {
constexpr int kD = 4, kE = 5, kFirst = 5, kLastItem = 8, kCommentBlock = 11;
}

class CellEditorTest : public FixtureBookTest {
    Q_OBJECT
private slots:
    void editorCoversExactlyItsBox() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        // Neither amount column is overdrawn by the other's editor, and the
        // last one's editor is not cut off by the viewport.
        for (int col : {kD, kE}) {
            view.setCurrentCell(col, kFirst);
            QCOMPARE(view.editorGeometry(), view.cellRect(col, kFirst));
            QVERIFY(view.viewport()->rect().contains(view.editorGeometry()));
        }

        // A 3 x 2 block: the editor spans the block's height and twice its width.
        Grid& g = view.grid();
        Merge(g, 2, 6, 4, 7);
        for (int r = 6; r <= 7; ++r)
            for (int c = 2; c <= 4; ++c) g.At(c, r).Edit = true;
        view.refresh();
        view.setCurrentCell(2, 6);
        const QRect box = view.cellBox(2, 6);
        QCOMPARE(box.width(), g.ColWidths[2] + g.ColWidths[3] + g.ColWidths[4]);
        QCOMPARE(box.height(), g.RowHeights[6] + g.RowHeights[7]);
        QCOMPARE(view.editorGeometry(), box);
        view.setCurrentCell(3, 7);
        QCOMPARE(view.currentCell(), QPoint(2, 6));  // a block is entered at its base cell
    }

    void editorTakesAlignmentFontAndColour() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QPlainTextEdit* editor = Editor(view);
        QCOMPARE(editor->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(editor->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(editor->font().family(), QStringLiteral("Arial"));

        // An inheriting cell of a centred column is edited centred.
        view.grid().At(2, kCommentBlock).CellAlignment = Alignment::Left;
        view.look().column(2).align = TMyAlign::alCenter;
        view.setCurrentCell(2, kCommentBlock);
        QCOMPARE(editor->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
    }

    void enterWalksDownThenRightOverInputCells() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QList<QPoint> visited;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(Editor(view), Qt::Key_Return);
            visited << view.currentCell();
        }
        // The comment block spans D11 and E11: it is entered from each column
        // at its base cell, and the walk goes on below the cell it came by.
        const QPoint block(2, kCommentBlock);
        const QList<QPoint> expected{{kD, 6}, {kD, 7}, {kD, kLastItem}, block, {kE, kFirst},
                                     {kE, 6}, {kE, 7}, {kE, kLastItem}, block, block};
        QCOMPARE(visited, expected);
        QVERIFY2(Editor(view)->isVisible(), "at the last cell Enter leaves the cell and its editor open");
    }

    void enterAtTheLastCellReportsOnlyWhenLeaving() {
        // The grid shares its window with another control, as in the main window.
        QWidget window;
        QLineEdit* elsewhere = new QLineEdit(&window);
        SheetView& view = harness->show("Bilans_t");
        view.setParent(&window);
        window.resize(800, 600);
        view.setGeometry(0, 30, 700, 500);
        window.show();
        for (int c = 2; c <= kE; ++c) view.grid().At(c, kCommentBlock).Edit = false;
        QApplication::setActiveWindow(&window);
        view.setFocus();
        view.setCurrentCell(kE, kLastItem);
        Editor(view)->selectAll();
        QTest::keyClicks(Editor(view), QStringLiteral("42"));
        QTest::keyClick(Editor(view), Qt::Key_Return);
        QCOMPARE(view.currentCell(), QPoint(kE, kLastItem));
        QCOMPARE(Utf8(view.grid().At(kE, kLastItem).Cells), QStringLiteral("0,00"));
        // The focus leaving the grid ends the edit.
        elsewhere->setFocus(Qt::TabFocusReason);
        QCOMPARE(Utf8(view.grid().At(kE, kLastItem).Cells), QStringLiteral("42,00"));
        QVERIFY(!view.editorOpen());
        view.setParent(nullptr);
    }

    void menuOrOtherWindowStoresTheTextAndKeepsTheEditor() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        Editor(view)->selectAll();
        QTest::keyClicks(Editor(view), QStringLiteral("8"));
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(Editor(view), &out);
        QCOMPARE(Utf8(view.grid().At(kD, kFirst).Cells), QStringLiteral("8,00"));
        QVERIFY(view.editorOpen());
        QCOMPARE(Editor(view)->toPlainText(), QStringLiteral("8,00"));
        QCOMPARE(book->UndoJournal.size(), size_t(1));
        QApplication::sendEvent(Editor(view), &out);  // nothing typed since: no second record
        QCOMPARE(book->UndoJournal.size(), size_t(1));
    }

    void tabWalksTheEditableCellsAlongTheRows() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QTest::keyClicks(Editor(view), QStringLiteral("7"));
        QTest::keyClick(Editor(view), Qt::Key_Tab);
        QCOMPARE(view.currentCell(), QPoint(kE, kFirst));
        QCOMPARE(Utf8(view.grid().At(kD, kFirst).Cells), QStringLiteral("7,00"));
        QTest::keyClick(Editor(view), Qt::Key_Tab);
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst + 1));  // the next row's first input
        QTest::keyClick(Editor(view), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(view.currentCell(), QPoint(kE, kFirst));
        QTest::keyClick(Editor(view), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst));
        QVERIFY(Editor(view)->hasFocus());

        // From the comment block, the last input, Tab stays; Shift+Tab goes back.
        view.setCurrentCell(2, kCommentBlock);
        QTest::keyClick(Editor(view), Qt::Key_Tab);
        QCOMPARE(view.currentCell(), QPoint(2, kCommentBlock));
        QVERIFY(Editor(view)->hasFocus());
        QTest::keyClick(Editor(view), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(view.currentCell(), QPoint(kE, kLastItem));

        // On a cell without an editor the grid itself keeps the keyboard.
        view.setCurrentCell(2, kFirst);
        QVERIFY(!view.editorOpen());
        QTest::keyClick(&view, Qt::Key_Tab);
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst));
        QVERIFY(Editor(view)->hasFocus());
    }

    void clickIntoAnUntouchedAmountSelectsItAll() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QTest::keyClick(Editor(view), Qt::Key_Return);  // the editor opens on the next cell
        QPlainTextEdit* editor = Editor(view);
        // Left of the right-aligned "0,00": without the rule the caret lands before it.
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                          QPoint(2, editor->cursorRect().center().y()));
        QTest::keyClicks(editor, QStringLiteral("250"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(Utf8(view.grid().At(kD, kFirst + 1).Cells), QStringLiteral("250,00"));

        // A text the user has already changed keeps the caret where clicked.
        view.setCurrentCell(kD, kFirst);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("15"));
        const QRect end = editor->cursorRect();
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(end.left() - 5, end.center().y()));
        QVERIFY(!editor->textCursor().hasSelection());
        QTest::keyClicks(editor, QStringLiteral("0"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(Utf8(view.grid().At(kD, kFirst).Cells), QStringLiteral("105,00"));

        // A text cell is edited where clicked, even untouched.
        view.setCurrentCell(2, kCommentBlock);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("ab"));
        QTest::keyClick(editor, Qt::Key_Return);
        view.setCurrentCell(kD, kFirst);
        view.setCurrentCell(2, kCommentBlock);
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                          QPoint(2, editor->cursorRect().center().y()));
        QVERIFY(!editor->textCursor().hasSelection());
    }

    void arrowsMove() {
        SheetView& view = harness->show("Bilans_t");
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QTest::keyClick(Editor(view), Qt::Key_Down);
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst + 1));
        QTest::keyClick(Editor(view), Qt::Key_Up);
        QTest::keyClick(Editor(view), Qt::Key_Up);
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst - 1));
        QVERIFY2(!view.editorOpen(), "the heading cell is not editable");
    }
};

QTEST_MAIN(CellEditorTest)
#include "cell_editor_test.moc"
