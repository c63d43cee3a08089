// Where cells lie in the viewport: offsets from the sizes, the fixed header
// strip, scrolling, hit testing, and sheets whose size lists are damaged.
#include "workbench/view/sheet_geometry.h"

#include <QTest>

#include "model/grid.h"

using namespace spf;

class SheetGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void cellsLieAfterTheHeadersAndMoveWithScrolling() {
        Grid g;
        g.SetColumns(5);
        g.SetRows(4);
        g.ColWidths = {10, 20, 30, 40, 50};
        g.RowHeights = {5, 15, 25, 35};
        SheetGeometry geo;
        geo.rebuild(g, 1, 1);
        QCOMPARE(geo.cellRect(2, 2), QRect(30, 20, 30, 25));
        QCOMPARE(geo.cellAt(QPoint(59, 44)), QPoint(2, 2));
        QCOMPARE(geo.cellAt(QPoint(60, 45)), QPoint(3, 3));
        QCOMPARE(geo.cellAt(QPoint(500, 10)), QPoint(-1, -1));

        geo.setFirstScrolled(3, 2);  // columns 1-2 and row 1 scrolled out
        QCOMPARE(geo.cellRect(3, 2), QRect(10, 5, 40, 25));
        QCOMPARE(geo.cellRect(0, 0), QRect(0, 0, 10, 5));  // headers stay
        QCOMPARE(geo.cellAt(QPoint(12, 7)), QPoint(3, 2));
        QCOMPARE(geo.blockRect({3, 2, 4, 3}), QRect(10, 5, 90, 60));
        // Rebuilding keeps the scroll position, limited to the grid.
        geo.rebuild(g, 1, 1);
        QCOMPARE(geo.firstScrolled(), QPoint(3, 2));
        QCOMPARE(geo.lastFirstScrolled(QSize(100, 1000)), QPoint(3, 1));  // columns 3 and 4 fill 90 pixels
        QCOMPARE(geo.firstShowingCol(4, 60), 4);
    }

    void damagedSizeListsReadAsDefaults() {
        Grid g;
        g.SetColumns(4);
        g.SetRows(3);
        g.ColWidths = {10, -20};  // too short, and a negative width
        g.RowHeights.clear();
        g.DefaultColWidth = 64;
        g.DefaultRowHeight = 24;
        SheetGeometry geo;
        geo.rebuild(g, 1, 1);
        QCOMPARE(geo.columns(), 4);
        QCOMPARE(geo.colWidth(1), 0);
        QCOMPARE(geo.cellRect(3, 2), QRect(74, 48, 64, 24));
        QCOMPARE(g.ColWidths.size(), size_t(2));  // the model is not repaired behind its back
        QVERIFY(g.RowHeights.empty());
    }
};

QTEST_MAIN(SheetGeometryTest)
#include "sheet_geometry_test.moc"
