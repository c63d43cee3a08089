// Read and write throughput of the statement file, and the memory a loaded
// document takes: for the template beside the program when it has been
// built, and for a generated workbook of 53 sheets with every content cell
// filled.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"

namespace {

using namespace spf;
using Clock = std::chrono::steady_clock;

Workbook Generated() {
    Workbook wb;
    wb.Header.Firma = "Przedsiębiorstwo Handlowo-Usługowe „Żuraw” sp. z o.o.";
    for (int s = 0; s < 53; ++s) {
        TSheet sheet;
        sheet.GridName = "nota_" + std::to_string(s);
        sheet.Grid = std::make_unique<Grid>();
        Grid& g = *sheet.Grid;
        g.SetColumns(9);
        g.SetRows(90);
        sheet.MinColWidths.assign(9, 0);
        sheet.MaxColWidths.assign(9, 1000);
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Columns(); ++c) {
                Cell& cell = g.At(c, r);
                TCellProps& p = cell.EnsureProps();
                if (c == 2) {
                    p.Text1 = "Należności z tytułu dostaw i usług, w okresie spłaty " + std::to_string(r);
                    p.Text2 = "Trade receivables, maturing " + std::to_string(r);
                    cell.Cells = p.Text1;
                    p.Indent = r % 3;
                } else {
                    p.Formula = "=SUM(RANGE('" + sheet.GridName + "!C" + std::to_string(r) + "'):RANGE('" +
                                sheet.GridName + "!F" + std::to_string(r) + "'))";
                    p.Val = std::to_string(123456 * r + c);
                    cell.Cells = "1234,56";
                    p.CellFormat = 2;
                    cell.CellAlignment = Alignment::Right;
                    cell.Edit = c % 2 == 0;
                    p.CellBottomWidth = 1;
                }
            }
        wb.Sheets.push_back(std::move(sheet));
    }
    return wb;
}

// The template beside the program, when it has been built.
std::string TemplateBytes() {
    const std::string templatePath = std::string(SPF_PROGRAM_DIR) + "/empty.spf";
    if (!std::filesystem::exists(templatePath)) return {};
    ReadResult r = ReadDocument(templatePath);
    return r ? WriteDocumentBytes(*r.workbook) : std::string();
}

// Best of several runs, in seconds.
template <typename Body>
double Best(int runs, Body body) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        body();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void Measure(const char* name, const std::string& bytes) {
    const double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("file_io_%s_size %.2f MB\n", name, mb);

    // The documents are freed after the timing: closing is not reading.
    std::vector<ReadResult> kept;
    kept.reserve(10);
    const double readSeconds = Best(10, [&] {
        kept.push_back(ReadDocumentBytes(bytes, "bench.spf"));
        if (!kept.back()) std::fprintf(stderr, "%s\n", kept.back().error.Message().c_str());
    });
    const Workbook& loaded = *kept.back().workbook;
    const double writeSeconds = Best(10, [&] {
        const std::string out = WriteDocumentBytes(loaded);
        if (out.empty()) std::fprintf(stderr, "empty output\n");
    });
    kept.clear();
    std::printf("file_io_%s_read %.1f MB/s\n", name, mb / readSeconds);
    std::printf("file_io_%s_write %.1f MB/s\n", name, mb / writeSeconds);

    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    ReadResult held = ReadDocumentBytes(bytes, "bench.spf");
    const size_t after = mallinfo2().uordblks;
    size_t cells = 0;
    for (const TSheet& sheet : held.workbook->Sheets)
        cells += static_cast<size_t>(sheet.Grid->Columns()) * static_cast<size_t>(sheet.Grid->Rows());
    std::printf("file_io_%s_loaded_memory %.1f MB\n", name, static_cast<double>(after - before) / 1e6);
    std::printf("file_io_%s_memory_per_cell %.0f bytes\n", name,
                static_cast<double>(after - before) / static_cast<double>(cells));
}

}  // namespace

int main() {
    const std::string templateBytes = TemplateBytes();
    if (!templateBytes.empty()) Measure("template", templateBytes);
    Measure("generated", WriteDocumentBytes(Generated()));
    return 0;
}
