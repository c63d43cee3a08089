// Fitting: the column fit within the limits, the row heights of wrapped
// texts, the window fit with its refit band and comment rows, and the
// column-width change handler.
#include "workbench/view/sheet_fit.h"

#include <QSignalSpy>
#include <QTest>

#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/core/column_fit.h"

using namespace spf;
using namespace spf::test;

using Widths = std::vector<int>;
Q_DECLARE_METATYPE(Widths)

class SheetFitTest : public FixtureBookTest {
    Q_OBJECT
private slots:
    void columnFit_data() {
        QTest::addColumn<Widths>("widths");
        QTest::addColumn<Widths>("minimum");
        QTest::addColumn<Widths>("maximum");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<Widths>("expected");
        const Widths open{0, 0, 0, 0, 0}, wide{1, 15, 1000, 1000, 15};
        QTest::newRow("shared in proportion")
            << Widths{1, 15, 100, 300, 15} << open << wide << 461 << Widths{1, 15, 100, 300, 15};
        QTest::newRow("doubled") << Widths{1, 15, 100, 100, 15} << open << wide << 461
                                 << Widths{1, 15, 200, 200, 15};
        QTest::newRow("capped column hands the rest on")
            << Widths{1, 15, 100, 100, 15} << open << Widths{1, 15, 150, 1000, 15} << 461
            << Widths{1, 15, 150, 250, 15};
        QTest::newRow("column at its minimum, shortfall taken further right")
            << Widths{1, 15, 100, 100, 15} << Widths{0, 0, 300, 0, 0} << wide << 461
            << Widths{1, 15, 300, 100, 15};
        QTest::newRow("fixed 50 on a narrow grid")
            << Widths{1, 15, 50, 100, 15} << Widths{0, 0, 50, 0, 0} << Widths{1, 15, 50, 1000, 15} << 200
            << Widths{1, 15, 50, 89, 15};
        QTest::newRow("fixed 50 on a wide grid")
            << Widths{1, 15, 50, 100, 15} << Widths{0, 0, 50, 0, 0} << Widths{1, 15, 50, 1000, 15} << 1500
            << Widths{1, 15, 50, 1000, 15};
        QTest::newRow("halves go to the even width")
            << Widths{1, 15, 1, 3, 15} << open << wide << 63 << Widths{1, 15, 0, 2, 15};
        QTest::newRow("all content hidden: only the surplus is placed")
            << Widths{1, 15, 0, 0, 15} << open << wide << 161 << Widths{1, 15, 100, 0, 15};
        QTest::newRow("crossed limits: the minimum wins")
            << Widths{1, 15, 100, 100, 15} << Widths{0, 0, 120, 0, 0} << Widths{1, 15, 80, 1000, 15} << 261
            << Widths{1, 15, 120, 80, 15};
    }
    void columnFit() {
        QFETCH(Widths, widths);
        QFETCH(Widths, minimum);
        QFETCH(Widths, maximum);
        QFETCH(int, gridWidth);
        QFETCH(Widths, expected);
        QCOMPARE(FitColumnWidths(widths, minimum, maximum, gridWidth), expected);
    }

    void rowHeightsFollowTheWrappedTexts() {
        SheetView& view = harness->show("Bilans_t");
        Grid& g = view.grid();
        g.ColWidths[2] = 120;
        SetText(g, 2, 6, std::string(12, 'x') + " " + std::string(12, 'x') + " " + std::string(12, 'x'));
        g.At(2, 7).Props->Indent = 0;
        SetText(g, 2, 7, "Krótki");
        SetText(g, 3, 8, "ukryty tekst w ukrytej kolumnie, długi na wiele wierszy");
        g.ColWidths[3] = 0;
        CalcHeights(view);
        const QFontMetrics fm(view.properties().font);
        QCOMPARE(g.RowHeights[7], 20);  // at most 19 pixels of text in a 24-pixel default grid
        QCOMPARE(g.RowHeights[8], 20);  // hidden columns need no room
        const int wrapped = fm.boundingRect(QRect(0, 0, 116, 10000), Qt::TextWordWrap,
                                            QString::fromStdString(g.At(2, 6).Cells))
                                .height();
        QVERIFY(wrapped > 2 * fm.height());
        QCOMPARE(g.RowHeights[6], wrapped + 4);
        QCOMPARE(g.RowHeights[0], 1);

        // An indent narrows the measure.
        g.At(2, 6).Props->Indent = 2;
        CalcHeights(view);
        const int indented = fm.boundingRect(QRect(0, 0, 76, 10000), Qt::TextWordWrap,
                                             QString::fromStdString(g.At(2, 6).Cells))
                                 .height();
        QCOMPARE(g.RowHeights[6], indented + 4);
    }

    void mergedBlockGrowsItsBottomRow() {
        SheetView& view = harness->show("Bilans_t");
        Grid& g = view.grid();
        SetText(g, 2, 11, std::string(300, 'w').insert(150, " ").insert(75, " ").insert(225, " "));
        CalcHeights(view);
        int width = 0;
        for (int c = 2; c <= 5; ++c) width += g.ColWidths[size_t(c)];
        const QFontMetrics fm(view.properties().font);
        const int h = fm.boundingRect(QRect(0, 0, width - 4, 10000), Qt::TextWordWrap,
                                      QString::fromStdString(g.At(2, 11).Cells))
                          .height();
        // The bottom row grows by what the text lacks: h + 4 against the box moved in by 2 on every side.
        QCOMPARE(g.RowHeights[11], h + 8);
    }

    void windowFitRefitsOutsideTheBand_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("refits");
        QTest::newRow("same width") << 0 << false;
        QTest::newRow("20 pixels wider") << 20 << false;
        QTest::newRow("21 pixels wider") << 21 << true;
        QTest::newRow("narrower") << -5 << true;
    }
    void windowFitRefitsOutsideTheBand() {
        QFETCH(int, change);
        QFETCH(bool, refits);
        SheetView& view = harness->show("Bilans_t", 700);
        TSheet& sheet = view.sheet();
        QCOMPARE(sheet.FittedWidth, 700);
        const int captionWidth = view.grid().ColWidths[2];
        view.resize(700 + change, view.height());
        FitWindow(view);
        QCOMPARE(view.grid().ColWidths[2] != captionWidth, refits);
        QCOMPARE(sheet.FittedWidth, refits ? 700 + change : 700);
    }

    void columnsFitTheGridWidth() {
        SheetView& view = harness->show("Bilans_t", 800);
        const Grid& g = view.grid();
        int sum = 0;
        for (int w : g.ColWidths) sum += w;
        QCOMPARE(sum, 800 - kFitReserve);
        QCOMPARE(g.ColWidths[1], 15);
        QCOMPARE(g.ColWidths[6], 15);
    }

    void commentCaptionMakesTheNextRowTall() {
        SheetView& view = harness->show("Bilans_t");
        QCOMPARE(view.grid().RowHeights[11], kCommentRowHeight);
        QVERIFY(view.grid().RowHeights[10] < kCommentRowHeight);
    }

    void firstVisitsOfTwoSheetsAlwaysFit() {
        AddStatementSheet(*book, "RZiS_p");
        TSheet& sheet = book->Sheets.back();
        sheet.FittedWidth = 700;
        SheetView& view = harness->show("RZiS_p", 700);
        QVERIFY(harness->context.rzisFirstFitDone);
        int sum = 0;
        for (int w : view.grid().ColWidths) sum += w;
        QCOMPARE(sum, 700 - kFitReserve);
    }

    void widthChangesRefitRowsExceptDuringTheFit() {
        SheetView& view = harness->show("Bilans_t", 700);
        QSignalSpy widths(&view, &SheetView::colWidthsChanged);
        Grid& g = view.grid();
        SetText(g, 2, 6, "słowo słowo słowo słowo słowo słowo słowo słowo słowo słowo");
        const int before = g.RowHeights[6];
        view.setColWidth(2, 60);
        QCOMPARE(widths.count(), 1);
        QVERIFY2(g.RowHeights[6] > before, "narrowing a column re-measures the rows");
        QCOMPARE(view.sheet().FittedWidth, view.width());

        harness->context.fitRunning = true;
        g.RowHeights[6] = 5;
        view.setColWidth(2, 70);
        QCOMPARE(g.RowHeights[6], 5);
        harness->context.fitRunning = false;
    }

    void formulaEditingShowsTheHeaders() {
        harness->context.formulaEditing = true;
        SheetView& view = harness->show("Bilans_t");
        QCOMPARE(view.grid().ColWidths[0], 20);
        QCOMPARE(view.grid().RowHeights[0], 20);
        view.resize(900, 500);
        FitWindow(view);
        QCOMPARE(view.grid().RowHeights[0], 20);
        harness->context.formulaEditing = false;
        FitWindow(view);
        QCOMPARE(view.grid().ColWidths[0], 1);
    }

    void optionOffLeavesTheSheetAlone() {
        harness->context.autoFitColumns = false;
        SheetView& view = harness->show("Bilans_t", 700);
        QCOMPARE(view.sheet().FittedWidth, 0);
        QCOMPARE(view.grid().ColWidths[2], 300);
    }
};

QTEST_MAIN(SheetFitTest)
#include "sheet_fit_test.moc"
