// Speed of the sheet view, driving the real widget offscreen on the template:
// leaving an edited amount cell until the recalculated sheet is repainted
// (with and without the 10 ms wait of the timer), the first show of the
// largest sheet (fit, row heights, first paint), and a full repaint per
// scroll step. Prints medians in milliseconds.
#include "workbench/view/sheet_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "support/bench_support.h"
#include "workbench/core/sheet_grid_setup.h"
#include "workbench/document/document.h"
#include "workbench/view/sheet_fit.h"
#include "workbench/view/view_context.h"

namespace {

using Steady = std::chrono::steady_clock;
using namespace spf;

double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int FormulaCells(const Grid& g) {
    int n = 0;
    for (int r = 1; r < g.Rows(); ++r)
        for (int c = 1; c < g.Columns(); ++c)
            if (g.At(c, r).Props && !g.At(c, r).Props->Formula.empty()) ++n;
    return n;
}

size_t Pick(const Workbook& wb, auto measure) {
    size_t best = 0;
    for (size_t i = 1; i < wb.Sheets.size(); ++i)
        if (measure(*wb.Sheets[i].Grid) > measure(*wb.Sheets[best].Grid)) best = i;
    return best;
}

// An amount input of the sheet that formulas read, the first one if none is read.
QPoint EditedCell(const Grid& g) {
    QPoint first(-1, -1);
    for (int c = 2; c < g.Columns(); ++c)
        for (int r = 2; r < g.Rows(); ++r) {
            const Cell& cell = g.At(c, r);
            if (!cell.Edit || !cell.Props || cell.Props->CellFormat < 1 || cell.Props->CellFormat > 2)
                continue;
            if (!cell.Props->Ref.empty()) return {c, r};
            if (first.x() < 0) first = QPoint(c, r);
        }
    return first;
}

void PressEnter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &release);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string path = std::string(SPF_PROGRAM_DIR) + "/empty.spf";
    ReadResult read = ReadDocument(path);
    if (!read) {
        std::fprintf(stderr, "sheet_view: %s\n", read.error.Message().c_str());
        return 1;
    }
    FixedClock today(38000);
    Document document(today);
    Workbook& wb = document.workbook();
    wb = std::move(*read.workbook);
    wb.DocumentOpen = true;
    ConfigureSheetGrids(wb);
    document.resetRecalculation();
    Recalculator& recalculator = document.recalculator();
    recalculator.RecalculateWorkbook();
    ViewContext context(document);
    Steady::time_point timerFired;
    context.setRecalculate([&](SheetView& view) {
        timerFired = Steady::now();
        recalculator.RecalculateSheet(wb.FindSheet(view.sheet().GridName));
    });

    // Edit to repaint, on the sheet with the most formulas.
    const size_t heavy = Pick(wb, FormulaCells);
    SheetView editView(context, static_cast<int>(heavy));
    editView.resize(1000, 750);
    context.setActiveView(&editView);
    editView.show();
    QApplication::setActiveWindow(&editView);
    FitWindow(editView);
    QApplication::processEvents();
    const QPoint cell = EditedCell(editView.grid());
    std::vector<double> total, work;
    bool recalculated = false;
    QObject::connect(&context, &ViewContext::recalculated, [&] { recalculated = true; });
    for (int i = 0; i < 40 && cell.x() >= 0; ++i) {
        editView.setFocus();
        editView.setCurrentCell(cell.x(), cell.y());
        auto* editor = editView.viewport()->findChild<QPlainTextEdit*>();
        editor->setPlainText(QString::number(1000 + i * 37) + QStringLiteral(",5"));
        QApplication::processEvents();
        recalculated = false;
        const auto start = Steady::now();
        PressEnter(editor);
        const auto entered = Steady::now();
        while (!recalculated) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        editView.viewport()->repaint();
        const auto painted = Steady::now();
        total.push_back(Ms(painted - start));
        work.push_back(Ms(entered - start) + Ms(painted - timerFired));
    }
    std::fprintf(stderr, "sheet_view: edits on %s cell (%d, %d), %d formula cells\n",
                 wb.Sheets[heavy].GridName.c_str(), cell.x(), cell.y(), FormulaCells(*wb.Sheets[heavy].Grid));

    // First show of the largest sheet.
    const size_t large = Pick(wb, [](const Grid& g) {
        int filled = 0;
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Columns(); ++c) filled += !g.At(c, r).Cells.empty();
        return filled;
    });
    std::vector<double> firstShow;
    for (int i = 0; i < 15; ++i) {
        wb.Sheets[large].FittedWidth = 0;
        const auto start = Steady::now();
        SheetView view(context, static_cast<int>(large));
        view.resize(1000, 750);
        context.setActiveView(&view);
        view.show();
        FitWindow(view);
        QApplication::processEvents();  // the window is exposed and painted
        view.viewport()->repaint();
        firstShow.push_back(Ms(Steady::now() - start));
        context.setActiveView(&editView);
    }

    // A full repaint for every scroll step of the largest sheet.
    SheetView scrollView(context, static_cast<int>(large));
    scrollView.resize(1000, 750);
    scrollView.show();
    FitWindow(scrollView);
    QApplication::processEvents();
    std::vector<double> scroll;
    int paints = 0;
    struct PaintCounter : QObject {
        int* n;
        explicit PaintCounter(int* count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*n;
            return false;
        }
    } counter(&paints);
    scrollView.viewport()->installEventFilter(&counter);
    QScrollBar* bar = scrollView.verticalScrollBar();
    for (int i = 0; i < 200; ++i) {
        const auto start = Steady::now();
        bar->setValue(bar->maximum() > 0 ? i % (bar->maximum() + 1) : 0);
        scrollView.viewport()->repaint();
        scroll.push_back(Ms(Steady::now() - start));
    }
    std::fprintf(stderr, "sheet_view: largest sheet %s, %d x %d cells, %d paints\n",
                 wb.Sheets[large].GridName.c_str(), wb.Sheets[large].Grid->Columns(),
                 wb.Sheets[large].Grid->Rows(), paints);

    std::printf("sheet_view_edit_to_repaint %.2f ms\n", bench::Median(total));
    std::printf("sheet_view_edit_work %.2f ms\n", bench::Median(work));
    std::printf("sheet_view_first_show %.2f ms\n", bench::Median(firstShow));
    std::printf("sheet_view_scroll_repaint %.2f ms\n", bench::Median(scroll));
    return 0;
}
