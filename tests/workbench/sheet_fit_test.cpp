// Fitting: the row heights of wrapped texts, the window fit with its refit
// band and comment rows, and the column-width change handler.
#include "workbench/view/sheet_fit.h"

#include <QSignalSpy>
#include <QTest>

#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/core/column_fit.h"

using namespace spf;
using namespace spf::test;

class SheetFitTest : public FixtureBookTest {
    Q_OBJECT
private slots:
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
        const QFontMetrics fm(view.look().font);
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
        const QFontMetrics fm(view.look().font);
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
