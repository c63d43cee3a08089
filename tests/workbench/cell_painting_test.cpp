// Pixels of the cell drawing: border lines and their visibility, the fixed
// look, the row marker, the notes-list images, amounts on one line with
// thousands groups, merged blocks, the indent prefix and the ratio sheets.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "model/colors.h"
#include "model/workbook.h"
#include "sheet_render.h"
#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/cell_painter.h"
#include "workbench/view/grid_look.h"

using namespace spf;
using namespace spf::test;

namespace {

const QColor kSheet(253, 247, 234);
const int32_t kRed = MakeColor(255, 0, 0);

bool Inked(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 160; }

// The box of every dark pixel inside `area`; empty when there is none.
QRect InkBox(const QImage& img, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Inked(img, x, y)) box = box.united(QRect(x, y, 1, 1));
    return box;
}

// One sheet of 6 columns x 6 rows, 60 x 20 pixel cells, painted cell by
// cell into an image: first every background, then every border.
struct Canvas {
    Workbook book;
    Grid* grid;
    std::unique_ptr<GridLook> props;
    QImage image{400, 160, QImage::Format_RGB32};

    Canvas() {
        AddSheet(book, "Test", {10, 60, 60, 60, 60, 60}, 6);
        grid = book.Sheets[0].Grid.get();
        for (int r = 0; r < 6; ++r) grid->RowHeights[size_t(r)] = 20;
        props = std::make_unique<GridLook>(*grid);
        props->color = kSheet;
    }
    CellRect rect(int c, int r) const {
        int x = 0, y = 0;
        for (int i = 0; i < c; ++i) x += grid->ColWidths[size_t(i)];
        for (int i = 0; i < r; ++i) y += grid->RowHeights[size_t(i)];
        return {x, y, x + grid->ColWidths[size_t(c)], y + grid->RowHeights[size_t(r)]};
    }
    void paint() {
        image.fill(kSheet);
        QPainter p(&image);
        const CellPainter painter(book, *grid, *props);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c) {
                DrawState s;
                s.fixed = c == 0 || r == 0;
                painter.drawSingle(p, c, r, rect(c, r), s);
            }
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c) painter.drawSingleBorders(p, c, r, rect(c, r));
    }
    QColor at(int x, int y) const { return QColor(image.pixel(x, y)); }
};

}  // namespace

class CellPaintingTest : public QObject {
    Q_OBJECT
private slots:
    void bordersLieOnTheCellLines_data() {
        QTest::addColumn<int>("side");  // 0 left, 1 top, 2 right, 3 bottom
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("onLine");
        QTest::addColumn<QPoint>("besideLine");
        // Cell (3, 2) spans x 130..189 and y 40..59.
        QTest::newRow("left, 1 px, on the pixel before the cell")
            << 0 << 1 << QPoint(129, 50) << QPoint(130, 50);
        QTest::newRow("left, 2 px, grows outward") << 0 << 2 << QPoint(128, 50) << QPoint(130, 50);
        QTest::newRow("top, 1 px") << 1 << 1 << QPoint(150, 39) << QPoint(150, 40);
        QTest::newRow("right, 1 px, on the pixel after the cell")
            << 2 << 1 << QPoint(190, 50) << QPoint(189, 50);
        QTest::newRow("bottom, 1 px") << 3 << 1 << QPoint(150, 60) << QPoint(150, 59);
        QTest::newRow("bottom, 2 px") << 3 << 2 << QPoint(150, 59) << QPoint(150, 61);
        QTest::newRow("top reaches the corner before the cell")
            << 1 << 1 << QPoint(129, 39) << QPoint(129, 40);
    }
    void bordersLieOnTheCellLines() {
        QFETCH(int, side);
        QFETCH(int, width);
        QFETCH(QPoint, onLine);
        QFETCH(QPoint, besideLine);
        Canvas canvas;
        SetBorders(*canvas.grid, 3, 2, side == 0 ? width : 0, side == 1 ? width : 0, side == 2 ? width : 0,
                   side == 3 ? width : 0, kRed);
        canvas.paint();
        QCOMPARE(canvas.at(onLine.x(), onLine.y()), QColor(Qt::red));
        QCOMPARE(canvas.at(besideLine.x(), besideLine.y()), kSheet);
    }

    void hiddenColumnsDrawNoSideBorders() {
        Canvas canvas;
        SetBorders(*canvas.grid, 3, 2, 1, 0, 1, 0, kRed);
        canvas.grid->ColWidths[2] = 0;  // the column to the left is hidden
        canvas.paint();
        const CellRect r = canvas.rect(3, 2);
        QCOMPARE(canvas.at(r.left - 1, 50), kSheet);
        QCOMPARE(canvas.at(r.right, 50), QColor(Qt::red));
        canvas.grid->ColWidths[2] = 60;
        canvas.grid->ColWidths[3] = 0;  // the cell's own column is hidden
        canvas.paint();
        QCOMPARE(canvas.at(canvas.rect(3, 2).right, 50), kSheet);
        QCOMPARE(canvas.at(canvas.rect(3, 2).left - 1, 50), kSheet);
    }

    void fixedCellsHaveAWhiteOuterLine() {
        Canvas canvas;
        canvas.paint();
        const CellRect r = canvas.rect(2, 0);
        QCOMPARE(canvas.at(r.left, r.top), QColor(Qt::white));
        QCOMPARE(canvas.at(r.left + 1, r.bottom - 1), canvas.props->fixedColor);
    }

    void rowMarkerIsAGreenCircleInColumnOne() {
        Canvas canvas;
        canvas.grid->At(1, 3).Props->CanAdd = true;
        canvas.grid->At(2, 4).Props->CanDel = true;  // not column 1: no marker
        canvas.paint();
        const CellRect r = canvas.rect(1, 3);
        QCOMPARE(canvas.at(r.left + 6, r.top + 6), QColor(0, 128, 0));
        QCOMPARE(canvas.at(r.left + 2, r.top + 6), kSheet);
        QCOMPARE(canvas.at(r.left + 11, r.top + 6), kSheet);
        const CellRect other = canvas.rect(2, 4);
        QCOMPARE(canvas.at(other.left + 6, other.top + 6), kSheet);
    }

    void notesListShowsTickAndCross() {
        Canvas canvas;
        canvas.grid->RowHeights[3] = 24;
        canvas.grid->At(2, 2).Props->NoteSel = 1;
        canvas.grid->At(2, 3).Props->NoteSel = 2;
        canvas.paint();
        auto count = [&](int c, int r, auto isColour) {
            const CellRect rect = canvas.rect(c, r);
            int n = 0;
            for (int y = rect.top; y < rect.top + 16; ++y)
                for (int x = rect.left; x < rect.left + 16; ++x) n += isColour(canvas.at(x, y));
            return n;
        };
        auto green = [](const QColor& c) { return c.green() > 100 && c.red() < 100 && c.blue() < 100; };
        auto red = [](const QColor& c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
        QVERIFY(count(2, 2, green) > 10);
        QCOMPARE(count(2, 2, red), 0);
        QVERIFY(count(2, 3, red) > 10);
        QCOMPARE(count(2, 4, green) + count(2, 4, red), 0);
    }

    void amountsAreOneGroupedLine_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("shown");
        QTest::newRow("centred vertically") << 2 << "1234567,89"
                                            << "1 234 567,89";
        QTest::newRow("on the bottom line") << 1 << "1234567,89"
                                            << "1 234 567,89";
        QTest::newRow("short stays ungrouped") << 2 << "999,99"
                                               << "999,99";
        QTest::newRow("shown as written") << 3 << "1234567,89"
                                          << "1234567,89";
    }
    void amountsAreOneGroupedLine() {
        QFETCH(int, format);
        QFETCH(QString, cells);
        QFETCH(QString, shown);
        Canvas canvas;
        canvas.grid->ColWidths[3] = 120;
        canvas.grid->RowHeights[2] = 60;
        SetAmount(*canvas.grid, 3, 2, cells.toStdString(), false, format);
        const CellPainter painter(canvas.book, *canvas.grid, *canvas.props);
        QCOMPARE(painter.shownText(3, 2), shown);
        canvas.paint();
        const CellRect r = canvas.rect(3, 2);
        const QRect ink = InkBox(canvas.image, QRect(r.left, r.top, r.width(), r.height()));
        const QFontMetrics fm(canvas.props->font);
        QVERIFY2(ink.height() <= fm.height(), "one line");
        QVERIFY2(std::abs(ink.width() - fm.horizontalAdvance(shown)) <= 3,
                 "the drawn width is the grouped text's");
        QVERIFY2(r.right - 1 - ink.right() <= 3, "amounts are right-aligned");
        const int middle = (r.top + r.bottom) / 2;
        if (format == 1)
            QVERIFY2(r.bottom - ink.bottom() <= 6, "format 1 sits on the bottom line");
        else if (format == 2)
            QVERIFY2(std::abs((ink.top() + ink.bottom()) / 2 - middle) <= 3, "format 2 is centred");
    }

    void indentPrefixDependsOnSingleOrBlock_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("merged");
        QTest::addColumn<bool>("inkInIndentArea");
        QTest::newRow("enumerator with full stop") << "a. Zapasy" << false << true;
        QTest::newRow("enumerator with bracket") << "1) Zapasy" << false << true;
        QTest::newRow("short word stays together") << "Razem aktywa" << false << false;
        QTest::newRow("short word split in a block") << "Razem aktywa" << true << true;
        QTest::newRow("dash alone") << "-" << false << true;
        QTest::newRow("long first word") << "Aktywa trwałe" << true << false;
    }
    void indentPrefixDependsOnSingleOrBlock() {
        QFETCH(QString, text);
        QFETCH(bool, merged);
        QFETCH(bool, inkInIndentArea);
        Canvas canvas;
        canvas.grid->ColWidths[2] = 200;
        SetText(*canvas.grid, 2, 2, text.toStdString());
        canvas.grid->At(2, 2).Props->Indent = 2;
        const CellRect r = canvas.rect(2, 2);
        canvas.image.fill(kSheet);
        QPainter p(&canvas.image);
        const CellPainter painter(canvas.book, *canvas.grid, *canvas.props);
        if (merged)
            painter.drawBlock(p, 2, 2, r, DrawState{});
        else
            painter.drawSingle(p, 2, 2, r, DrawState{});
        p.end();
        const int areaRight = r.left + 1 + 2 * kIndentStep - kPrefixGap;
        const QRect area = InkBox(canvas.image, QRect(r.left, r.top, areaRight - r.left, r.height()));
        QCOMPARE(!area.isEmpty(), inkInIndentArea);
        if (inkInIndentArea) QVERIFY2(areaRight - 1 - area.right() <= 2, "the prefix is right-aligned");
        const QRect rest = InkBox(canvas.image, QRect(r.left + 1 + 2 * kIndentStep, r.top, 150, r.height()));
        QCOMPARE(rest.isEmpty(), text == QStringLiteral("-"));
    }

    void mergedBlocksKeepTheBackgroundAndDrawOuterEdges() {
        ViewHarness harness(MakeFixtureBook());
        SheetView& view = harness.show("Bilans_t");
        Grid& g = view.grid();
        SetText(g, 2, 11, "Uwagi do bilansu");
        for (int c = 2; c <= 5; ++c) g.At(c, 11).CellColor = kInputColor;
        view.refresh();
        const QImage img = RenderViewport(view);
        const QRect box = view.cellBox(2, 11);
        QCOMPARE(QColor(img.pixel(box.center())), kSheet);
        const QRect inner = view.cellRect(3, 11);
        QCOMPARE(QColor(img.pixel(inner.left() - 1, inner.center().y())), kSheet);  // no line between cells
        QCOMPARE(QColor(img.pixel(box.left() - 1, box.center().y())), QColor(Qt::black));
        QCOMPARE(QColor(img.pixel(box.right() + 1, box.center().y())), QColor(Qt::black));
        QVERIFY2(!InkBox(img, box.adjusted(2, 2, -2, -2)).isEmpty(),
                 "the base cell's text is drawn in the block");
    }

    void neighbourFillsDoNotHideBorders() {
        // A right border lies on the first pixel of the next cell, which is
        // filled after it; it must still show on a full repaint.
        ViewHarness harness(MakeFixtureBook());
        SheetView& view = harness.show("Bilans_t");
        Grid& g = view.grid();
        g.At(6, 5).CellColor = kInputColor;
        const QImage img = RenderViewport(view);
        const QRect e = view.cellRect(5, 5);
        QCOMPARE(QColor(img.pixel(e.right() + 1, e.center().y())), QColor(Qt::black));
        const QRect total = view.cellRect(4, 9);
        QCOMPARE(QColor(img.pixel(total.center().x(), total.bottom() + 1)), QColor(Qt::black));
        QCOMPARE(QColor(img.pixel(total.center().x(), total.bottom() + 2)), kSheet);
        QCOMPARE(QColor(img.pixel(total.center().x(), total.bottom())), QColor(Qt::black));  // 2 px wide
    }

    void ratioSheetBandsRulesAndBars() {
        ViewHarness harness(MakeFixtureBook());
        SheetView& view = harness.show("AF_Wskazniki");
        const QImage img = RenderViewport(view);
        const QRect row10 = view.cellRect(2, 10);
        QCOMPARE(QColor(img.pixel(row10.center())), QColor(251, 237, 210));
        QCOMPARE(QColor(img.pixel(row10.center().x(), row10.top())), QColor(164, 112, 15));
        QCOMPARE(QColor(img.pixel(row10.center().x(), row10.top() - 1)), QColor(164, 112, 15));
        QCOMPARE(QColor(img.pixel(view.cellRect(1, 10).center())), kSheet);  // margin column: no band
        const QRect row7 = view.cellRect(2, 7);
        QCOMPARE(QColor(img.pixel(row7.center().x(), row7.bottom() + 1)), QColor(Qt::black));
        QCOMPARE(QColor(img.pixel(row7.center().x(), row7.bottom())), QColor(Qt::black));
        QCOMPARE(QColor(img.pixel(row7.left() + 2, row7.bottom() + 1)), kSheet);  // as wide as the texts only
        const QRect numerator = InkBox(img, row7.adjusted(0, 0, 0, -2));
        QVERIFY2(std::abs(numerator.center().x() - row7.center().x()) <= 2, "numerator centred");
    }
};

QTEST_MAIN(CellPaintingTest)
#include "cell_painting_test.moc"
