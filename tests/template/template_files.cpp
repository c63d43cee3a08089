#include "template_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "formula/recalculator.h"
#include "model/file/cp1250.h"
#include "model/file/spf_reader.h"
#include "test_paths.h"

namespace spf::test {

namespace {

// The generated files carry this date of preparation; "today" is pinned to it.
const FixedClock& Clock() {
    static const FixedClock clock(DaysFromCivil({2004, 12, 31}));
    return clock;
}

Workbook Load(const std::string& path) {
    ReadOptions options;
    options.clock = &Clock();
    ReadResult result = ReadDocument(path, options);
    if (!result) {
        ADD_FAILURE() << result.error.Message();
        return Workbook{};
    }
    return std::move(*result.workbook);
}

std::string Snapshot(const Workbook& wb) {
    std::string all;
    for (const TSheet& s : wb.Sheets)
        for (int r = 1; r < s.Grid->Rows(); ++r)
            for (int c = 1; c < s.Grid->Columns(); ++c)
                if (const auto& p = s.Grid->At(c, r).Props) all += p->Val + '\x1f';
    return all;
}

}  // namespace

std::string TemplatePath() { return std::string(SPF_PROGRAM_DIR) + "/empty.spf"; }
std::string ExamplePath() { return SPF_EXAMPLE_FILE; }
std::string PrintTablePath() { return std::string(SPF_PROGRAM_DIR) + "/zakresdrukowania.txt"; }

Workbook LoadTemplate() { return Load(TemplatePath()); }
Workbook LoadExample() { return Load(ExamplePath()); }

bool RecalculateToRest(Workbook& workbook, int maxRuns) {
    Recalculator recalculator(workbook, Clock());
    std::string before = Snapshot(workbook);
    for (int run = 0; run < maxRuns; ++run) {
        recalculator.RecalculateWorkbook();
        std::string after = Snapshot(workbook);
        if (after == before) return true;
        before = std::move(after);
    }
    return false;
}

const Grid& SheetGrid(const Workbook& workbook, const std::string& name) {
    const Grid* g = workbook.FindGrid(name);
    if (!g) throw std::runtime_error("no sheet " + name);
    return *g;
}

const Cell& CellAt(const Workbook& workbook, const std::string& sheet, int col, int row) {
    const Grid& g = SheetGrid(workbook, sheet);
    if (!g.Contains(col, row))
        throw std::runtime_error("no cell " + std::to_string(col) + "," + std::to_string(row) + " in " +
                                 sheet);
    return g.At(col, row);
}

const TCellProps& PropsAt(const Workbook& workbook, const std::string& sheet, int col, int row) {
    static const TCellProps none;
    const Cell& cell = CellAt(workbook, sheet, col, row);
    return cell.Props ? *cell.Props : none;
}

int64_t Amount(const Workbook& workbook, const std::string& sheet, int col, int row) {
    const std::string& val = PropsAt(workbook, sheet, col, row).Val;
    try {
        size_t used = 0;
        const int64_t n = std::stoll(val, &used);
        if (used == val.size()) return n;
    } catch (const std::exception&) {
    }
    ADD_FAILURE() << sheet << " (" << col << "," << row << ") holds no amount: \"" << val << "\"";
    return 0;
}

std::vector<std::vector<std::string>> PrintTableRows() {
    std::ifstream in(PrintTablePath(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::stringstream text(Cp1250ToUtf8(bytes.str()));
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool heading = true;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (heading) {
            heading = false;
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream fields(line);
        std::string cell;
        while (std::getline(fields, cell, '\t')) cells.push_back(cell);
        if (!line.empty() && line.back() == '\t') cells.emplace_back();
        rows.push_back(cells);
    }
    return rows;
}

const std::vector<std::string>& CatalogueOrder() {
    static const std::vector<std::string> order = {
        "RZiS_p",       "RZiS_k",         "Aktywa",    "Pasywa",    "Pasywa_kw",   "Przeplywy_mb",
        "Przeplywy_mp", "Zestawienie_zm", "Noty_d_zm", "Wykaz_not", "nota_01",     "nota_01a",
        "nota_02",      "nota_03",        "nota_04",   "nota_05",   "nota_06",     "nota_07",
        "nota_08",      "nota_09",        "nota_10",   "nota_11a",  "nota_11b",    "nota_12",
        "nota_13",      "nota_14",        "nota_15",   "nota_15a",  "nota_16",     "nota_17",
        "nota_18",      "nota_19",        "nota_20",   "nota_21",   "nota_21a",    "nota_22",
        "nota_23",      "nota_24",        "nota_24a",  "nota_25",   "nota_26",     "nota_27",
        "nota_28",      "nota_29",        "nota_30",   "nota_31",   "nota_32",     "nota_33",
        "nota_34",      "nota_35",        "AF_Bilans", "AF_RZiS",   "AF_Wskazniki"};
    return order;
}

}  // namespace spf::test
