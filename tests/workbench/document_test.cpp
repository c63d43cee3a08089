// The document tells every view what changed: edits and recalculations
// announce values, sizes announce the look, rows move the views' cells; views
// hold their sheet by index and showing a sheet changes nothing in it.
#include <QSignalSpy>
#include <QTest>

#include "sheet_render.h"
#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/sheet_fit.h"

using namespace spf;
using namespace spf::test;

namespace {

constexpr int kD = 4, kE = 5, kFirst = 5;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

bool Announced(const QSignalSpy& spy, ChangeKind kind, int sheet) {
    for (const QList<QVariant>& args : spy) {
        const auto change = args.at(0).value<DocumentChange>();
        if (change.kinds.has(kind) && change.sheet == sheet) return true;
    }
    return false;
}

}  // namespace

class DocumentTest : public FixtureBookTest {
    Q_OBJECT
private slots:
    void editsAndRecalculationsAnnounceValues() {
        SheetView& view = harness->show("Bilans_t");
        QSignalSpy changes(&harness->document, &Document::changed);
        Focus(view);
        view.setCurrentCell(kD, kFirst);
        QTest::keyClick(Editor(view), Qt::Key_Return);  // left as it was
        QVERIFY2(changes.isEmpty(), "an unchanged cell announces nothing");

        TypeAndEnter(view, kD, kFirst, QStringLiteral("12"));
        QVERIFY(Announced(changes, ChangeKind::Values, view.sheetIndex()));
        QVERIFY(!Announced(changes, ChangeKind::Look, view.sheetIndex()));
        changes.clear();
        harness->context.recalculateActiveNow();
        QVERIFY(Announced(changes, ChangeKind::Values, view.sheetIndex()));
    }

    void sizeChangesAnnounceTheLook() {
        SheetView& view = harness->show("Bilans_t");
        QSignalSpy changes(&harness->document, &Document::changed);
        view.setColWidth(kD, 150);
        QVERIFY(Announced(changes, ChangeKind::Look, view.sheetIndex()));
        changes.clear();
        CalcHeights(view);
        QVERIFY(Announced(changes, ChangeKind::Look, view.sheetIndex()));
        QVERIFY(!Announced(changes, ChangeKind::Values, view.sheetIndex()));
    }

    void secondViewOfTheSheetFollowsTheFirst() {
        SheetView& first = harness->show("Bilans_t");
        SheetView second(harness->context, first.sheetIndex());
        second.resize(700, 500);
        second.show();
        QApplication::processEvents();
        second.setCurrentCell(kE, kFirst + 2);

        PaintCounter paints(second.viewport());
        TypeAndEnter(first, kD, kFirst, QStringLiteral("77"));
        QApplication::processEvents();
        QVERIFY2(paints.count > 0, "the other view repaints the edited value");

        first.setColWidth(kE, 60);
        QCOMPARE(second.cellRect(kE, kFirst).width(), 60);

        first.insertRow(kFirst + 1);
        QCOMPARE(second.currentCell(), QPoint(kE, kFirst + 3));
        QCOMPARE(second.grid().Rows(), first.grid().Rows());
        first.deleteRow(kFirst);
        QCOMPARE(second.currentCell(), QPoint(kE, kFirst + 2));
    }

    void anotherViewsEditorLeavesTheEditStartTextAlone() {
        SheetView& first = harness->show("Bilans_t");
        SheetView second(harness->context, first.sheetIndex());
        second.grid().At(kE, kFirst + 2).Cells = "5,00";
        second.resize(700, 500);
        second.show();
        Focus(second);
        second.setCurrentCell(kE, kFirst + 2);
        QVERIFY(second.editorOpen());
        Focus(first);  // the other window takes the keyboard; the second editor stays
        first.setCurrentCell(kD, kFirst);
        QVERIFY(second.editorOpen());

        harness->document.announce({ChangeKind::Values});  // a recalculation, a language switch
        Editor(first)->selectAll();
        QTest::keyClicks(Editor(first), QStringLiteral("9"));
        QTest::keyClick(Editor(first), Qt::Key_Return);
        // The undo record holds what this cell showed, not the other view's cell.
        QVERIFY2(book->UndoJournal.back().ends_with("#0,00"), book->UndoJournal.back().c_str());
        QCOMPARE(Utf8(book->Sheets[0].Grid->At(kE, kFirst + 2).Cells), QStringLiteral("5,00"));
    }

    void viewsOutliveSheetsAddedToTheWorkbook() {
        SheetView& view = harness->show("Bilans_t");
        const std::string name = view.sheet().GridName;
        // Enough sheets to move the workbook's sheet storage.
        for (int i = 0; i < 64; ++i) AddSheet(*book, "Dodany" + std::to_string(i), {1, 15, 50, 15}, 3);
        harness->document.announce({ChangeKind::Sheets});
        TypeAndEnter(view, kD, kFirst, QStringLiteral("3"));
        QCOMPARE(view.sheet().GridName, name);
        QCOMPARE(Utf8(book->Sheets[0].Grid->At(kD, kFirst).Cells), QStringLiteral("3,00"));
        QVERIFY(!RenderViewport(view).isNull());
    }

    void showingASheetWritesNothingIntoIt() {
        TSheet& added = AddSheet(*book, "Surowy", {40, 40, 40, 40}, 4);
        Grid& g = *added.Grid;
        g.RowHeights[0] = 30;
        g.DefaultRowHeight = 30;
        const std::vector<int> widths = g.ColWidths, heights = g.RowHeights;
        SheetView view(harness->context, book->FindSheet("Surowy"));
        view.resize(400, 300);
        view.show();
        QApplication::processEvents();
        QCOMPARE(g.ColWidths, widths);
        QCOMPARE(g.RowHeights, heights);
        QCOMPARE(g.DefaultRowHeight, 30);
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
