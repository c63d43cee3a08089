// Typing into the real sheet view: amounts in both decimal forms, cells left
// unchanged, undo records, the 10 ms recalculation, merged blocks, languages.
#include <QSignalSpy>
#include <QTest>

#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/cell_painter.h"

using namespace spf;
using namespace spf::test;

namespace {
constexpr int kD = 4, kE = 5, kFirst = 5, kTotal = 9, kCommentBlock = 11;
}

class CellEntryTest : public FixtureBookTest {
    Q_OBJECT
private:
    Grid* grid = nullptr;

    SheetView& show() {
        SheetView& view = harness->show("Bilans_t");
        grid = &view.grid();
        return view;
    }

private slots:
    void typedAmountsAreNormalised_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("val");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("comma with spaces") << "1 234,5"
                                           << "1234,50"
                                           << "123450"
                                           << "1 234,50";
        QTest::newRow("dot as decimal point") << "1234.5"
                                              << "1234,50"
                                              << "123450"
                                              << "1 234,50";
        QTest::newRow("dots as groups and point") << "1.234.567.89"
                                                  << "1234567,89"
                                                  << "123456789"
                                                  << "1 234 567,89";
        QTest::newRow("negative six digits") << "-123456,78"
                                             << "-123456,78"
                                             << "-12345678"
                                             << "- 123 456,78";
        QTest::newRow("short amount ungrouped") << "999,99"
                                                << "999,99"
                                                << "99999"
                                                << "999,99";
        QTest::newRow("halves to even") << "0,125"
                                        << "0,12"
                                        << "12"
                                        << "0,12";
    }
    void typedAmountsAreNormalised() {
        QFETCH(QString, typed);
        QFETCH(QString, cells);
        QFETCH(QString, val);
        QFETCH(QString, drawn);
        SheetView& view = show();
        TypeAndEnter(view, kD, kFirst, typed);
        QCOMPARE(Utf8(grid->At(kD, kFirst).Cells), cells);
        QCOMPARE(Utf8(grid->At(kD, kFirst).Props->Val), val);
        const CellPainter painter(*book, *grid, view.look());
        QCOMPARE(painter.shownText(kD, kFirst), drawn);
    }

    void unreadableAmountEmptiesTheCellAndSaysSo() {
        SheetView& view = show();
        QSignalSpy noted(&harness->context, &ViewContext::notAnAmount);
        TypeAndEnter(view, kD, kFirst, QStringLiteral("5,5"));
        QCOMPARE(noted.count(), 0);
        TypeAndEnter(view, kD, kFirst, QStringLiteral("abc"));
        QCOMPARE(Utf8(grid->At(kD, kFirst).Cells), QString());
        QCOMPARE(Utf8(grid->At(kD, kFirst).Props->Val), QString());
        QCOMPARE(noted.count(), 1);
        // A text cell takes any text without a note.
        TypeAndEnter(view, 2, kCommentBlock, QStringLiteral("abc"));
        QCOMPARE(noted.count(), 1);
    }

    void changedEditWritesUndoRecordAndRecalculates() {
        SheetView& view = show();
        QSignalSpy undo(&harness->context, &ViewContext::undoAvailable);
        QSignalSpy changed(&view, &SheetView::documentChanged);
        QSignalSpy recalculated(&harness->context, &ViewContext::recalculated);
        TypeAndEnter(view, kD, kFirst, QStringLiteral("100"));
        QCOMPARE(book->UndoJournal.size(), size_t(1));
        QCOMPARE(Utf8(book->UndoJournal.back()), QStringLiteral("Bilans_t#4#5#0#0,00"));
        QCOMPARE(undo.count(), 1);
        QCOMPARE(changed.count(), 1);
        QVERIFY2(harness->context.recalcPending(), "the edit starts the deferred recalculation");
        QVERIFY2(grid->At(kD, kTotal).Props->Val.empty(), "nothing is recalculated before the timer fires");
        QTRY_COMPARE_WITH_TIMEOUT(recalculated.count(), 1, 1000);
        QCOMPARE(Utf8(grid->At(kD, kTotal).Cells), QStringLiteral("100,00"));
        QVERIFY2(Editor(view)->isVisible(), "Enter moved on and the editor is open on the next input cell");
        QCOMPARE(view.currentCell(), QPoint(kD, kFirst + 1));
    }

    void unchangedEditStoresNothing() {
        SheetView& view = show();
        book->LangID = 1;
        SetText(*grid, 2, kCommentBlock, "Komentarz polski", "English comment");
        view.refresh();
        QSignalSpy changed(&view, &SheetView::documentChanged);
        Focus(view);
        view.setCurrentCell(2, kCommentBlock);
        QCOMPARE(Editor(view)->toPlainText(), QStringLiteral("English comment"));
        view.setCurrentCell(kD, kFirst);
        view.setCurrentCell(kE, kFirst);
        QVERIFY(book->UndoJournal.empty());
        QCOMPARE(changed.count(), 0);
        QVERIFY(!harness->context.recalcPending());
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text2), QStringLiteral("English comment"));
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text1), QStringLiteral("Komentarz polski"));
    }

    void escapeRestoresTheStartingText() {
        SheetView& view = show();
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QTest::keyClicks(Editor(view), QStringLiteral("77"));
        QTest::keyClick(Editor(view), Qt::Key_Escape);
        QCOMPARE(Editor(view)->toPlainText(), QStringLiteral("0,00"));
        view.setCurrentCell(kE, kFirst);
        QVERIFY(book->UndoJournal.empty());
        QCOMPARE(Utf8(grid->At(kD, kFirst).Cells), QStringLiteral("0,00"));
    }

    void textIsReportedOnlyWhenTheEditEnds() {
        SheetView& view = show();
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        Editor(view)->selectAll();
        QTest::keyClicks(Editor(view), QStringLiteral("12"));
        QCOMPARE(Utf8(grid->At(kD, kFirst).Cells), QStringLiteral("0,00"));
        QVERIFY(book->UndoJournal.empty());
        view.commitEdit();
        QCOMPARE(Utf8(grid->At(kD, kFirst).Cells), QStringLiteral("12,00"));
    }

    void recalculationWaitsForTheOptionAndSkipsMergedBlocks() {
        harness->context.autoRecalc = false;
        SheetView& view = show();
        TypeAndEnter(view, kD, kFirst, QStringLiteral("5"));
        QVERIFY(!harness->context.recalcPending());
        harness->context.autoRecalc = true;
        TypeAndEnter(view, 2, kCommentBlock, QStringLiteral("Uwagi"));
        QVERIFY2(!harness->context.recalcPending(), "an edit in a merged block starts no recalculation");
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text1), QStringLiteral("Uwagi"));
        QCOMPARE(book->UndoJournal.size(), size_t(2));
    }

    void englishEntryKeepsThePolishText() {
        SheetView& view = show();
        grid->At(2, kCommentBlock).Props->Text1 = "Tekst polski";
        book->LangID = 1;
        TypeAndEnter(view, 2, kCommentBlock, QStringLiteral("English text"));
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text2), QStringLiteral("English text"));
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text1), QStringLiteral("Tekst polski"));
    }

    void placeholdersAreStoredReplaced() {
        SheetView& view = show();
        SetText(*grid, 2, kCommentBlock, "Stan na {KONIECOKRESU}");
        view.refresh();
        TypeAndEnter(view, 2, kCommentBlock, QStringLiteral("Stan na 31 grudnia 2004 r."));
        QCOMPARE(Utf8(grid->At(2, kCommentBlock).Props->Text1), QStringLiteral("Stan na 31 grudnia 2004 r."));
        QCOMPARE(Utf8(book->UndoJournal.back()), QStringLiteral("Bilans_t#2#11##Stan na 31 grudnia 2004"));
    }

    void headerRowAndColumnEntriesAreNotNormalised() {
        SheetView& view = show();
        grid->At(1, kFirst).Edit = true;
        grid->At(1, kFirst).Props->CellFormat = 2;
        TypeAndEnter(view, 1, kFirst, QStringLiteral("1 234,5"));
        QCOMPARE(Utf8(grid->At(1, kFirst).Cells), QStringLiteral("1 234,5"));
    }
};

QTEST_MAIN(CellEntryTest)
#include "cell_entry_test.moc"
