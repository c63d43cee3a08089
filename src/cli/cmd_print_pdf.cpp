// print-pdf: the printed statement as a PDF file, after a workbook
// recalculation, laid out as the print preview lays it out with its options.
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cstdio>

#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/recalculator.h"
#include "model/text_utils.h"
#include "printing/layout/print_job.h"
#include "printing/qt/pdf_output.h"
#include "printing/qt/qt_text_metrics.h"

namespace spf::cli {

namespace {

print::PageGeometry PaperGeometry(const std::string& name) {
    print::PageGeometry g;  // A4 with the preview's margins
    if (EqualsIgnoreCase(name, "A3")) {
        g.paperWidth = 29700, g.paperHeight = 42000;
    } else if (EqualsIgnoreCase(name, "Letter")) {
        g.paperWidth = 21590, g.paperHeight = 27940;
    } else if (!EqualsIgnoreCase(name, "A4")) {
        throw UsageError("--paper takes A4, A3 or Letter, not \"" + name + "\"");
    }
    return g;
}

// Qt's notes about the desktop session (a missing runtime folder under a batch
// job) would break the rule of one line on standard error per failure.
void DropSessionNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Fonts need a Qt application, and printing needs no display.
void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(DropSessionNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sprawozdanie-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

int RunPrintPdf(const Invocation& inv) {
    const ParsedArgs& a = inv.args;
    const std::string& out = a.positional[1];
    print::RecordingCanvas canvas(PaperGeometry(a.Value("--paper", "A4")));
    if (a.Has("--landscape")) canvas.defaultOrientation = print::PageOrientation::Landscape;
    const int fontSize = a.IntValue("--font-size", 8, 2, 20);
    const int keepRows = a.IntValue("--keep-rows", 3, 0, 50);

    Workbook wb = LoadDocument(a.positional[0]);
    std::vector<int> chosen;
    for (const std::string& name : a.Values("--sheet")) {
        const int index = wb.FindSheet(name);
        if (index < 0) throw Failure(a.positional[0] + ": no sheet named " + name);
        chosen.push_back(index);
    }
    print::PrintRangeTable table;
    try {
        table = print::ReadPrintRangeTable(inv.rangesPath);
    } catch (const print::PrintTableError& e) {
        throw Failure(inv.rangesPath + (e.line ? ":" + std::to_string(e.line) : "") + ": " + e.what());
    }

    const SystemClock clock;
    Recalculator(wb, clock).RecalculateWorkbook();

    EnsureGuiApplication();
    print::QtTextMetrics metrics;
    print::TPrintQueue queue(canvas, metrics);
    try {
        print::AssemblePrintJob(queue, wb, table, [&](int index) {
            return chosen.empty() || std::find(chosen.begin(), chosen.end(), index) != chosen.end();
        });
    } catch (const print::PrintTableError& e) {
        throw Failure(inv.rangesPath + ":" + std::to_string(e.line) + ": " + e.what());
    }
    queue.FontSize = fontSize;
    queue.FontName = a.Value("--font", "Arial");
    queue.AllowSplit = !a.Has("--no-split");
    queue.KeepRows = keepRows;
    queue.SameFontSize = a.Has("--same-size");
    queue.WholeZloty = a.Has("--whole-zloty");
    if (!queue.Entries.empty()) {
        queue.LayOutAll();
        queue.RenderAll();
    }
    QString error;
    if (!print::WritePdf(canvas, QString::fromStdString(out), &error))
        throw Failure(out + ": " + error.toStdString());
    return 0;
}

}  // namespace

Command MakePrintPdfCommand() {
    return {"print-pdf",
            "print-pdf FILE OUT.pdf [--font-size N] [--font NAME] [--no-split] [--keep-rows N] [--same-size] "
            "[--whole-zloty] [--landscape] [--paper A4|A3|Letter] [--sheet NAME]...",
            "Recalculates FILE and writes its printed statement to OUT.pdf, laid out as the print\n"
            "preview lays it out with the same options; every sheet unless --sheet names some.",
            {{"--font-size", "N", "font size in points, 2 to 20 (8)"},
             {"--font", "NAME", "font face (Arial; Liberation Sans where Arial is missing)"},
             {"--no-split", "", "keep every table on one page, shrinking its font"},
             {"--keep-rows", "N", "edge rows kept together when a table is split, 0 to 50 (3)"},
             {"--same-size", "", "one font size for all tables, the smallest any needs"},
             {"--whole-zloty", "", "amounts rounded to whole zloty"},
             {"--landscape", "", "landscape pages unless a table asks otherwise"},
             {"--paper", "NAME", "A4 (default), A3 or Letter"},
             {"--sheet", "NAME", "print this sheet; repeatable", true}},
            2,
            2,
            &RunPrintPdf};
}

}  // namespace spf::cli
