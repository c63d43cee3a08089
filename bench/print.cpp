// Printing speed: the whole example statement, recalculated, assembled into a
// print job, laid out and paginated into a recording canvas with the queue's
// default options (median run), and, in the user-interface build, printed to
// PDF end to end the way print-pdf does it with its own defaults (8 points,
// sizes fitted per table); with the number of pages of each.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "printing/layout/print_job.h"
#include "printing/layout/recording_canvas.h"
#include "support/bench_support.h"

#ifdef SPF_BENCH_PDF
#include <QGuiApplication>
#include <QString>

#include "printing/qt/pdf_output.h"
#include "printing/qt/qt_text_metrics.h"
#else
#include "model/text_utils.h"
#endif

namespace {

using namespace spf;
using Millis = std::chrono::duration<double, std::milli>;

const std::string kRangesPath = std::string(SPF_PROGRAM_DIR) + "/zakresdrukowania.txt";

#ifdef SPF_BENCH_PDF
using BenchMetrics = print::QtTextMetrics;
#else
// Without Qt there are no real fonts to measure with: a proportional font's
// average character (half an em) and line (1.15 em) stand in, so the layout
// does comparable work.
class BenchMetrics final : public print::TextMetrics {
public:
    int TextWidth(std::string_view text, const print::PrintFont& font) override {
        return static_cast<int>(Utf8Length(text)) * Em(font) / 2;
    }
    int TextHeight(std::string_view, const print::PrintFont& font) override { return Em(font) * 115 / 100; }
    int WrappedHeight(std::string_view text, int width, int innerMargin,
                      const print::PrintFont& font) override {
        const int room = std::max(1, width - 2 * innerMargin);
        int lines = 0;
        size_t start = 0;
        for (;;) {
            const size_t end = text.find("\r\n", start);
            const std::string_view para = text.substr(start, end == text.npos ? text.npos : end - start);
            lines += std::max(1, (TextWidth(para, font) + room - 1) / room);
            if (end == text.npos) break;
            start = end + 2;
        }
        return lines * TextHeight(text, font) + 2 * innerMargin;
    }

private:
    static int Em(const print::PrintFont& font) { return font.size * 2540 / 72; }
};
#endif

// Job assembly, font fitting and pagination; returns the number of pages.
size_t LayOut(const Workbook& wb, const print::PrintRangeTable& table, print::RecordingCanvas& canvas,
              print::TextMetrics& metrics) {
    print::TPrintQueue queue(canvas, metrics);
    print::AssemblePrintJob(queue, wb, table, [](int) { return true; });
    queue.LayOutAll();
    queue.RenderAll();
    return canvas.pages.size();
}

int MeasureLayout(const Workbook& wb, const print::PrintRangeTable& table) {
    BenchMetrics metrics;
    std::vector<double> ms;
    size_t pages = 0;
    for (int i = 0; i < 7; ++i) {
        print::RecordingCanvas canvas;
        const auto start = std::chrono::steady_clock::now();
        pages = LayOut(wb, table, canvas, metrics);
        ms.push_back(Millis(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("print_layout_ms %.1f ms\n", bench::Median(ms));
    std::printf("print_pages %zu pages\n", pages);
    return 0;
}

#ifdef SPF_BENCH_PDF
// What print-pdf does with its default options, from reading the document to
// the written file; the Qt application is made once beforehand, as fonts need it.
int MeasurePdf() {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("spf_bench_print_" + std::to_string(::getpid()) + ".pdf"))
            .string();
    std::vector<double> ms;
    size_t pages = 0;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        Workbook wb = bench::ReadExample();
        const print::PrintRangeTable table = print::ReadPrintRangeTable(kRangesPath);
        const SystemClock clock;
        Recalculator(wb, clock).RecalculateWorkbook();
        print::QtTextMetrics metrics;
        print::RecordingCanvas canvas;
        print::TPrintQueue queue(canvas, metrics);
        print::AssemblePrintJob(queue, wb, table, [](int) { return true; });
        queue.FontSize = 8;
        queue.SameFontSize = false;
        queue.LayOutAll();
        queue.RenderAll();
        QString error;
        if (!print::WritePdf(canvas, QString::fromStdString(path), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        ms.push_back(Millis(std::chrono::steady_clock::now() - start).count());
        pages = canvas.pages.size();
    }
    std::printf("print_pdf_ms %.1f ms\n", bench::Median(ms));
    std::printf("print_pdf_pages %zu pages\n", pages);
    std::printf("print_pdf_size %.1f KB\n", static_cast<double>(std::filesystem::file_size(path)) / 1024);
    std::filesystem::remove(path);
    return 0;
}
#endif

int Run() {
    const SystemClock clock;
    const Workbook wb = bench::RecalculatedExample(clock);
    const print::PrintRangeTable table = print::ReadPrintRangeTable(kRangesPath);
    if (const int rc = MeasureLayout(wb, table)) return rc;
#ifdef SPF_BENCH_PDF
    if (const int rc = MeasurePdf()) return rc;
#endif
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SPF_BENCH_PDF
    // Fonts need a Qt application, and printing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
#else
    (void)argc, (void)argv;
#endif
    try {
        return Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
