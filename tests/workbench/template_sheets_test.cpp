// The real template in the view: every sheet shows, fits and paints, and an
// amount typed into a statement reaches the totals that read it.
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "model/file/spf_reader.h"
#include "sheet_render.h"
#include "test_paths.h"
#include "view_fixture.h"
#include "view_test_support.h"

using namespace spf;
using namespace spf::test;

namespace {
const std::string kTemplate = std::string(SPF_PROGRAM_DIR) + "/empty.spf";
}

class TemplateSheetsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Workbook> book;

private slots:
    void init() {
        if (!QFile::exists(QString::fromStdString(kTemplate))) QSKIP("the template has not been generated");
        ReadResult read = ReadDocument(kTemplate);
        QVERIFY2(read, read.error.Message().c_str());
        book = std::make_unique<Workbook>(std::move(*read.workbook));
        book->DocumentOpen = true;
    }

    void everySheetShowsWithinTheWindow() {
        ViewHarness harness(std::move(*book));
        for (const TSheet& sheet : harness.workbook.Sheets) {
            SheetView& view = harness.show(sheet.GridName, 900, 600);
            int sum = 0;
            for (int w : view.grid().ColWidths) sum += w;
            QVERIFY2(sum <= 900, sheet.GridName.c_str());
            QVERIFY2(view.grid().RowHeights[0] == 1, sheet.GridName.c_str());
            const QImage image = RenderViewport(view);
            QVERIFY(!image.isNull());
        }
    }

    void typedAmountReachesTheTotals() {
        ViewHarness harness(std::move(*book));
        harness.recalculator().RecalculateWorkbook();
        SheetView& view = harness.show("Aktywa", 900, 600);
        Grid& g = view.grid();
        QPoint input(-1, -1);
        for (int r = 5; r < g.Rows() && input.x() < 0; ++r)
            if (g.At(4, r).Edit && g.At(4, r).Props && !g.At(4, r).Props->Ref.empty()) input = QPoint(4, r);
        QVERIFY(input.x() >= 0);
        const TReference reader = g.At(input.x(), input.y()).Props->Ref.front();
        QCOMPARE(QString::fromStdString(reader.SheetName), QStringLiteral("Aktywa"));
        QSignalSpy recalculated(&harness.context, &ViewContext::recalculated);
        TypeAndEnter(view, input.x(), input.y(), QStringLiteral("1 234,5"));
        QCOMPARE(Utf8(g.At(input.x(), input.y()).Props->Val), QStringLiteral("123450"));
        QTRY_COMPARE_WITH_TIMEOUT(recalculated.count(), 1, 2000);
        QCOMPARE(Utf8(g.At(reader.Col, reader.Row).Props->Val), QStringLiteral("123450"));
        QCOMPARE(Utf8(g.At(reader.Col, reader.Row).Cells), QStringLiteral("1234,50"));
    }
};

QTEST_MAIN(TemplateSheetsTest)
#include "template_sheets_test.moc"
