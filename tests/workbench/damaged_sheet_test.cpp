// Sheets no valid document has still show, fit, take keys and clicks and
// repaint without failing: empty grids, header-only grids, merge rectangles
// that point outside, size lists that do not match the grid.
#include <QTest>

#include "sheet_render.h"
#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/sheet_fit.h"

using namespace spf;
using namespace spf::test;

class DamagedSheetTest : public QObject {
    Q_OBJECT
private slots:
    void survives_data() {
        QTest::addColumn<int>("damage");
        QTest::newRow("no cells") << 0;
        QTest::newRow("headers only") << 1;
        QTest::newRow("merge rectangle outside the grid") << 2;
        QTest::newRow("merge rectangle not holding its cell") << 3;
        QTest::newRow("size lists too short") << 4;
        QTest::newRow("negative sizes") << 5;
        QTest::newRow("cells without properties") << 6;
    }
    void survives() {
        QFETCH(int, damage);
        Workbook book;
        book.DocumentOpen = true;
        if (damage == 0) {
            AddSheet(book, "Pusty", 0, 0);
        } else if (damage == 1) {
            AddSheet(book, "Pusty", {1}, 1);
        } else {
            AddStatementSheet(book, "Pusty");
        }
        Grid& g = *book.Sheets[0].Grid;
        TCellProps* p = g.Contains(3, 6) ? g.At(3, 6).Props.get() : nullptr;
        if (damage == 2) {
            Merge(g, 3, 6, 4, 7);
            p->MergRight = 1000000;
            p->MergBottom = 1000000;
            g.At(3, 6).Edit = true;
        } else if (damage == 3) {
            Merge(g, 3, 6, 4, 7);
            p->MergLeft = 5;
        } else if (damage == 4) {
            g.ColWidths.resize(2);
            g.RowHeights.resize(3);
        } else if (damage == 5) {
            g.ColWidths[3] = -50;
            g.RowHeights[6] = -20;
        } else if (damage == 6) {
            for (int r = 0; r < g.Rows(); ++r)
                for (int c = 0; c < g.Columns(); ++c) g.At(c, r).Props.reset();
            g.At(4, 5).Edit = true;
        }
        ViewHarness harness(std::move(book));
        SheetView& view = harness.show("Pusty");
        Focus(view);
        for (int key :
             {Qt::Key_Down, Qt::Key_Right, Qt::Key_Return, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &view, Qt::Key(key));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(150, 120));
        QTest::mouseMove(view.viewport(), QPoint(5, 1));
        view.insertRow(3);
        view.deleteRow(3);
        view.setCurrentCell(3, 6);
        view.commitEdit();
        CalcHeights(view);
        Dopasuj(view);
        harness.context.recalculateActiveNow();
        QVERIFY(!RenderViewport(view).isNull());
    }
};

QTEST_MAIN(DamagedSheetTest)
#include "damaged_sheet_test.moc"
