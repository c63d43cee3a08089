// Effective cell properties: the cell's own record, then the column's, the
// row's and the grid's, each with its fixed and normal set.
#include "workbench/view/grid_look.h"

#include <QTest>

#include "model/grid.h"

using namespace spf;

class GridLookTest : public QObject {
    Q_OBJECT
private:
    Grid grid;

private slots:
    void init() {
        grid = Grid();
        grid.SetColumns(5);
        grid.SetRows(5);
    }

    void alignmentFollowsCellColumnRowGrid_data() {
        QTest::addColumn<int>("cellAlign");    // model alignment: 0 left (inherit), 1 centre, 2 right
        QTest::addColumn<int>("columnAlign");  // TMyAlign of the normal-column record, 3 none
        QTest::addColumn<int>("rowAlign");
        QTest::addColumn<int>("fixedColumnAlign");
        QTest::addColumn<int>("expected");
        const int none = int(TMyAlign::alDefault);
        QTest::newRow("nothing set: grid default left") << 0 << none << none << none << int(TMyAlign::alLeft);
        QTest::newRow("inheriting cell in centred column")
            << 0 << int(TMyAlign::alCenter) << none << none << int(TMyAlign::alCenter);
        QTest::newRow("column beats row")
            << 0 << int(TMyAlign::alRight) << int(TMyAlign::alCenter) << none << int(TMyAlign::alRight);
        QTest::newRow("row when column inherits")
            << 0 << none << int(TMyAlign::alRight) << none << int(TMyAlign::alRight);
        QTest::newRow("own value beats column")
            << 2 << int(TMyAlign::alCenter) << none << none << int(TMyAlign::alRight);
        QTest::newRow("fixed-column set ignored for normal cells")
            << 0 << none << none << int(TMyAlign::alRight) << int(TMyAlign::alLeft);
    }
    void alignmentFollowsCellColumnRowGrid() {
        QFETCH(int, cellAlign);
        QFETCH(int, columnAlign);
        QFETCH(int, rowAlign);
        QFETCH(int, fixedColumnAlign);
        QFETCH(int, expected);
        GridLook props(grid);
        grid.At(2, 3).CellAlignment = static_cast<Alignment>(cellAlign);
        props.column(2).align = static_cast<TMyAlign>(columnAlign);
        props.row(3).align = static_cast<TMyAlign>(rowAlign);
        props.column(2, true).align = static_cast<TMyAlign>(fixedColumnAlign);
        QCOMPARE(int(props.effectiveAlign(2, 3)), expected);
    }

    void fixedCellsConsultTheFixedSets() {
        GridLook props(grid);
        props.column(0, true).align = TMyAlign::alCenter;
        props.column(0).align = TMyAlign::alRight;
        QCOMPARE(props.effectiveAlign(0, 3), TMyAlign::alCenter);
        props.row(0, true).align = TMyAlign::alRight;
        QCOMPARE(props.effectiveAlign(2, 0), TMyAlign::alRight);
        QCOMPARE(props.effectiveAlign(2, 1), TMyAlign::alLeft);
    }

    void editPermissionEndsAtTheGridSwitch() {
        GridLook props(grid);
        props.editable = false;
        QVERIFY(!props.effectiveEditable(2, 2));
        grid.At(2, 2).Edit = true;
        QVERIFY(props.effectiveEditable(2, 2));
        props.column(3).edit = EditPermission::Editable;
        QVERIFY(props.effectiveEditable(3, 4));
        props.row(4).edit = EditPermission::Editable;
        props.column(4).edit = EditPermission::NotEditable;
        QVERIFY2(!props.effectiveEditable(4, 4), "the column's record comes before the row's");
        props.editable = true;
        QVERIFY(props.effectiveEditable(1, 1));
    }

    void brushAndFontInherit() {
        grid.Color = kSheetColor;
        GridLook props(grid);
        QCOMPARE(props.ColorCell(2, 2), QColor(253, 247, 234));
        props.column(2).brush = QColor(10, 20, 30);
        QCOMPARE(props.ColorCell(2, 2), QColor(10, 20, 30));
        grid.At(2, 2).CellColor = kInputColor;
        QCOMPARE(props.ColorCell(2, 2), QColor(Qt::white));
        QCOMPARE(props.ColorCell(0, 2), props.fixedColor);

        QVERIFY(!props.hasOwnFont(3, 3));
        QCOMPARE(props.FontCell(3, 3), props.font);
        QVERIFY2(!props.hasOwnFont(3, 3), "reading the effective font creates nothing");
        grid.At(3, 3).CellBold = true;
        QVERIFY(props.effectiveFont(3, 3).bold());
        QCOMPARE(props.effectiveFont(3, 3).family(), QStringLiteral("Arial"));
        QCOMPARE(props.effectiveFont(3, 3).pointSize(), 10);
    }

    void rowRecordsMoveWithTheirRows() {
        GridLook props(grid);
        props.row(3).align = TMyAlign::alRight;
        props.insertRow(2);
        QCOMPARE(props.row(4).align, TMyAlign::alRight);
        QCOMPARE(props.row(3).align, TMyAlign::alDefault);
        props.deleteRow(2);
        QCOMPARE(props.row(3).align, TMyAlign::alRight);
    }

    void systemColoursComeFromThePalette() {
        QCOMPARE(ToQColor(MakeColor(1, 2, 3)), QColor(1, 2, 3));
        const int32_t buttonFace = static_cast<int32_t>(0x8000000F);
        QCOMPARE(ToQColor(buttonFace), QApplication::palette().color(QPalette::Button));
    }
};

QTEST_MAIN(GridLookTest)
#include "grid_look_test.moc"
