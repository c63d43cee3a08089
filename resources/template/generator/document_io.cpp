#include "document_io.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"

namespace spf::tmpl {

namespace {

// The date of preparation stands for "today": the reader gives the template
// today's date, and the generated files must not depend on the day of the build.
FixedClock ClockOf(const Workbook& workbook) {
    return FixedClock(static_cast<DateDays>(workbook.Header.DataSporzadzenia));
}

// Every Val and shown text, to tell whether a recalculation changed anything.
std::string Snapshot(const Workbook& workbook) {
    std::string all;
    for (const TSheet& s : workbook.Sheets) {
        const Grid& g = *s.Grid;
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 1; c < g.Columns(); ++c) {
                const Cell& cell = g.At(c, r);
                if (!cell.Props || cell.Props->Formula.empty()) continue;
                all += cell.Props->Val;
                all += '\x1f';
                all += cell.Cells;
                all += '\x1e';
            }
        }
    }
    return all;
}

}  // namespace

Workbook ReadBack(const Workbook& workbook, const std::string& fileName) {
    const FixedClock clock = ClockOf(workbook);
    ReadOptions options;
    options.clock = &clock;
    ReadResult result = ReadDocumentBytes(WriteDocumentBytes(workbook), fileName, options);
    if (!result) throw std::runtime_error(result.error.Message());
    return std::move(*result.workbook);
}

void RecalculateToRest(Workbook& workbook, int maxRuns) {
    const FixedClock clock = ClockOf(workbook);
    Recalculator recalculator(workbook, clock);
    std::string before = Snapshot(workbook);
    for (int run = 0; run < maxRuns; ++run) {
        recalculator.RecalculateWorkbook();
        std::string after = Snapshot(workbook);
        if (after == before) return;
        before = std::move(after);
    }
    throw std::runtime_error("the example does not come to rest after " + std::to_string(maxRuns) +
                             " recalculations");
}

void WriteDocumentFile(const Workbook& workbook, const std::string& path) {
    WriteFileAtomically(path, WriteDocumentBytes(workbook));
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    // Several build folders of one source tree may write the example at once.
    const std::string temp = path + "." + std::to_string(std::random_device{}()) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + temp);
    }
    std::filesystem::rename(temp, path);
}

}  // namespace spf::tmpl
