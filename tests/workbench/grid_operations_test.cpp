// Operations of the grid control the rest of the program uses: rows in and
// out, copying an area as text, loading a separated text file, the cursor
// shapes and the row menu, and hints below the cell box.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "sheet_render.h"
#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/mouse_feedback.h"
#include "workbench/view/text_file_grid.h"

using namespace spf;
using namespace spf::test;

class GridOperationsTest : public FixtureBookTest {
    Q_OBJECT
private slots:
    void insertedRowMovesContentAndCurrentCell() {
        SheetView& view = harness->show("Bilans_t");
        Grid& g = view.grid();
        view.look().row(7).align = TMyAlign::alCenter;
        view.setCurrentCell(4, 7);
        const int rows = g.Rows();
        view.insertRow(6);
        QCOMPARE(g.Rows(), rows + 1);
        QCOMPARE(Utf8(g.At(2, 8).Props->Text1), QStringLiteral("1. Koszty zakończonych prac rozwojowych"));
        QCOMPARE(view.currentCell(), QPoint(4, 8));
        QCOMPARE(view.look().row(8).align, TMyAlign::alCenter);
        QCOMPARE(Utf8(g.At(0, 8).Cells), QStringLiteral("8"));  // row numbers follow
        QVERIFY(view.deleteRow(6));
        QCOMPARE(view.currentCell(), QPoint(4, 7));
        QCOMPARE(g.Rows(), rows);
    }

    void editInProgressFollowsRowsInsertedElsewhere() {
        SheetView& view = harness->show("Bilans_t");
        Grid& g = view.grid();
        Focus(view);
        view.setCurrentCell(4, 7);
        Editor(view)->selectAll();
        QTest::keyClicks(Editor(view), QStringLiteral("55"));
        g.InsertRow(6);  // as a row command working on the model would
        view.followRowInserted(6);
        QCOMPARE(Utf8(g.At(4, 8).Cells), QStringLiteral("55,00"));
        QCOMPARE(Utf8(g.At(4, 7).Cells), QStringLiteral("0,00"));
        QCOMPARE(view.currentCell(), QPoint(4, 8));
    }

    void onlyNormalRowIsNeverDeleted() {
        Workbook single;
        AddSheet(single, "Jeden", {1, 15, 100, 15}, 2);
        single.DocumentOpen = true;
        ViewHarness h(std::move(single));
        SheetView& view = h.show("Jeden");
        QVERIFY(!view.deleteRow(1));
        QVERIFY(!view.deleteRow(0));
        QCOMPARE(view.grid().Rows(), 2);
    }

    void areaTextHasASpaceTextAndSeparatorPerCell() {
        SheetView& view = harness->show("Bilans_t");
        QCOMPARE(view.areaText(QRect(QPoint(4, 4), QPoint(5, 5)), QLatin1Char('\t')),
                 QStringLiteral(" Rok bieżący\t Rok poprzedni\t\r\n 0,00\t 0,00\t\r\n"));
        QCOMPARE(view.areaText(QRect(QPoint(20, 20), QPoint(30, 30)), QLatin1Char('\t')), QString());
    }

    void textFileLoadsIntoRowsAndGrows() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zakresy.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Arkusz\tOd\r\nAktywa\tC2\t\t7\r\nNota \xB9\r\n");  // 0xB9 is "ą" in Windows-1250
        file.close();
        Grid g;
        g.SetColumns(2);
        g.SetRows(1);
        QVERIFY(LoadTextFile(g, path, QLatin1Char('\t')));
        QCOMPARE(g.Rows(), 3);
        QCOMPARE(g.Columns(), 4);
        QCOMPARE(Utf8(g.At(0, 0).Cells), QStringLiteral("Arkusz"));
        QCOMPARE(Utf8(g.At(3, 1).Cells), QStringLiteral("7"));
        QCOMPARE(Utf8(g.At(2, 1).Cells), QString());
        QCOMPARE(Utf8(g.At(0, 2).Cells), QStringLiteral("Nota ą"));

        QString error;
        Grid untouched;
        QVERIFY(
            !LoadTextFile(untouched, dir.filePath(QStringLiteral("brak.txt")), QLatin1Char('\t'), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(untouched.Rows(), 0);
    }

    void cursorShapes_data() {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<int>("expected");
        const int normal = int(CursorKind::Normal), text = int(CursorKind::Text),
                  hand = int(CursorKind::Hand);
        QTest::newRow("header column") << QPoint(0, 5) << normal;
        QTest::newRow("row 1") << QPoint(4, 1) << normal;
        QTest::newRow("row marker") << QPoint(1, 8) << hand;
        QTest::newRow("margin without marker") << QPoint(1, 7) << normal;
        QTest::newRow("input cell") << QPoint(4, 5) << text;
        QTest::newRow("caption") << QPoint(2, 5) << normal;
        QTest::newRow("formula") << QPoint(4, 9) << normal;
    }
    void cursorShapes() {
        QFETCH(QPoint, cell);
        QFETCH(int, expected);
        SheetView& view = harness->show("Bilans_t");
        QCOMPARE(int(CursorForCell(view.grid(), view.look(), cell.x(), cell.y())), expected);
    }

    void notesListRowsShowTheHand() {
        SheetView& view = harness->show("Wykaz_not");
        const Grid& g = view.grid();
        QCOMPARE(CursorForCell(g, view.look(), 2, 5), CursorKind::Hand);  // not ticked box
        QCOMPARE(CursorForCell(g, view.look(), 4, 4), CursorKind::Hand);  // row of a ticked note
        QCOMPARE(CursorForCell(g, view.look(), 4, 5), CursorKind::Normal);
    }

    void markerClickOpensTheRowMenu() {
        SheetView& view = harness->show("Bilans_t");
        QSignalSpy released(&view, &SheetView::cellReleased);
        QSignalSpy available(&view, &SheetView::rowCommandsAvailable);
        QSignalSpy add(&view, &SheetView::addRowRequested);
        const QPoint marker = view.cellRect(1, 8).center();
        QTest::mouseMove(view.viewport(), marker);
        QVERIFY(available.count() > 0);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, marker);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().at(2).toBool(), true);
        QMenu* menu = view.findChild<QMenu*>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Dodaj wiersz"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Usuń wiersz"));
        menu->actions().at(0)->trigger();
        QCOMPARE(add.count(), 1);
        QCOMPARE(add.first().at(0).toInt(), 8);
        menu->hide();
    }

    void edgesInTheHeaderStripResizeByMouse() {
        harness->context.autoFitColumns = false;
        SheetView& view = harness->show("Bilans_t");
        QSignalSpy widths(&view, &SheetView::colWidthsChanged);
        const QRect caption = view.cellRect(2, 1);
        const QPoint edge(caption.left() + caption.width(), 1);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(view.viewport(), edge + QPoint(-100, 0));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, edge + QPoint(-100, 0));
        QCOMPARE(view.grid().ColWidths[2], 200);
        QVERIFY(widths.count() > 0);
        QCOMPARE(view.sheet().FittedWidth, view.width());

        const QRect row = view.cellRect(1, 5);
        const QPoint bottom(0, row.top() + row.height());
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, bottom);
        QTest::mouseMove(view.viewport(), bottom + QPoint(0, 15));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, bottom + QPoint(0, 15));
        QCOMPARE(view.grid().RowHeights[5], row.height() + 15);
        QCOMPARE(view.currentCell(), QPoint(1, 1));  // sizing picks no cell
    }

    void hintShowsBelowTheCellBox() {
        SheetView& view = harness->show("Bilans_t");
        const QRect total = view.cellRect(4, 9);
        QTest::mouseMove(view.viewport(), total.center());
        QLabel* hint = view.findChild<QLabel*>();
        QVERIFY(hint);
        QTRY_VERIFY_WITH_TIMEOUT(hint->isVisible(), 2000);
        QCOMPARE(hint->text(), QStringLiteral("=SUM(RANGE('Bilans_t!D5'):RANGE('Bilans_t!D8'))"));
        QCOMPARE(hint->pos(), view.viewport()->mapToGlobal(QPoint(total.left(), total.bottom() + 1 + 6)));
        QTest::mouseMove(view.viewport(), view.cellRect(2, 5).center());
        QVERIFY(!hint->isVisible());
    }

    void clicksPickCellsAndScrollingKeepsBlocksWhole() {
        harness->context.autoFitColumns = false;
        SheetView& view = harness->show("Bilans_t", 400, 200);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cellRect(5, 6).center());
        QCOMPARE(view.currentCell(), QPoint(5, 6));
        // Scrolled so that the block's base column is out of sight, the part
        // still shown carries the block's text, drawn from the whole box.
        Grid& g = view.grid();
        std::string words;
        for (int i = 0; i < 40; ++i) words += "uwagi ";
        SetText(g, 2, 11, words);
        g.RowHeights[11] = 100;
        view.refresh();
        view.scrollToCell(5, 11);
        QVERIFY(view.topLeftCell().x() > 2);
        const QRect box = view.cellBox(4, 11);
        QVERIFY(box.left() < 0);
        QCOMPARE(view.cellAt(view.cellRect(4, 11).center()), QPoint(4, 11));
        const QImage img = RenderViewport(view);
        const QRect shown = view.cellRect(4, 11).intersected(img.rect());
        int ink = 0;
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            for (int x = shown.left(); x <= shown.right(); ++x) ink += qGray(img.pixel(x, y)) < 160;
        QVERIFY(ink > 50);
    }
};

QTEST_MAIN(GridOperationsTest)
#include "grid_operations_test.moc"
