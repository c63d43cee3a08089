// Generates the template empty.spf, the print-range table and the filled
// example statement from the readable sources in resources/template.
//
//   spf_template_generator SOURCES TEMPLATE.spf RANGES.txt EXAMPLE.spf
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue.h"
#include "document_io.h"
#include "example_data.h"
#include "model/dates.h"
#include "model/file/cp1250.h"
#include "print_range.h"
#include "sheet_source.h"

namespace fs = std::filesystem;
using namespace spf;
using namespace spf::tmpl;

namespace {

std::vector<SheetBuild> BuildAll(const fs::path& sources) {
    std::vector<SheetBuild> builds;
    for (const std::string& name : ReadCatalogue((sources / "catalogue.txt").string())) {
        const fs::path path = sources / "sheets" / (name + ".txt");
        if (!fs::exists(path)) throw std::runtime_error("missing sheet source " + path.string());
        builds.push_back(BuildSheet(path.string(), name));
    }
    return builds;
}

// A workbook of the built sheets in catalogue order, with the general data a
// new statement starts from. The sheets move out of the builds.
Workbook Assemble(std::vector<SheetBuild>& builds) {
    Workbook wb;
    for (SheetBuild& b : builds) wb.Sheets.push_back(std::move(b.sheet));
    wb.Header.SheetsCount = static_cast<int>(wb.Sheets.size());
    // A new statement starts in the year the general-data dialog proposes.
    wb.Header.RokBiezacy = 2004;
    wb.Header.DataSporzadzenia = DaysFromCivil({2004, 12, 31});
    wb.Header.AFBO = DaysFromCivil({2004, 1, 1});
    wb.Header.AFBZ = DaysFromCivil({2004, 12, 31});
    return wb;
}

void WritePrintTable(const std::vector<SheetBuild>& builds, const fs::path& path) {
    std::string text = PrintTableHeading() + "\r\n";
    for (const SheetBuild& b : builds)
        for (const PrintRange& r : b.prints) text += PrintTableLine(r) + "\r\n";
    WriteFileAtomically(path.string(), Utf8ToCp1250(text));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: spf_template_generator SOURCES TEMPLATE.spf RANGES.txt EXAMPLE.spf\n", stderr);
        return 2;
    }
    try {
        const fs::path sources = argv[1];
        std::vector<SheetBuild> builds = BuildAll(sources);
        WritePrintTable(builds, argv[3]);

        const fs::path templatePath = argv[2];
        WriteDocumentFile(ReadBack(Assemble(builds), templatePath.filename().string()), templatePath.string());

        // The example as a user makes it: the template, the general data
        // confirmed in the dialog, the figures typed, everything recalculated.
        std::vector<SheetBuild> exampleBuilds = BuildAll(sources);
        const fs::path examplePath = argv[4];
        Workbook example = ReadBack(Assemble(exampleBuilds), examplePath.filename().string());
        ApplyExampleValues(example, exampleBuilds);
        ApplyExampleData(example, ReadExampleData((sources / "example.txt").string()));
        RecalculateToRest(example, 12);
        WriteDocumentFile(example, examplePath.string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "spf_template_generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
