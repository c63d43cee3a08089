// Spreadsheet export speed: the whole example statement, recalculated, written
// to .xlsx with values only and with formulas; the time of the median run and
// the size of the file.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "export/xlsx_export.h"
#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "support/bench_support.h"

namespace {

using namespace spf;

void Measure(const Workbook& wb, const Clock& clock, bool formulas, const std::string& path) {
    XlsxExportOptions options;
    options.formulas = formulas;
    std::vector<double> ms;
    for (int i = 0; i < 7; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (const auto error = ExportXlsx(wb, clock, path, options)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const char* mode = formulas ? "formulas" : "values";
    std::printf("export_xlsx_%s_ms %.1f ms\n", mode, bench::Median(ms));
    std::printf("export_xlsx_%s_size %.1f KB\n", mode,
                static_cast<double>(std::filesystem::file_size(path)) / 1024);
}

}  // namespace

int main() {
    const SystemClock clock;
    const Workbook wb = bench::RecalculatedExample(clock);
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("spf_bench_export_" + std::to_string(::getpid()) + ".xlsx"))
                                 .string();
    Measure(wb, clock, false, path);
    Measure(wb, clock, true, path);
    std::filesystem::remove(path);
    return 0;
}
