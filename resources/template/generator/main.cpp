// Generates the template empty.spf, the print-range table and the filled
// example statement from the readable sources in resources/template.
//
//   spf_template_generator SOURCES TEMPLATE.spf RANGES.txt EXAMPLE.spf
#include <cstdio>
#include <filesystem>
#include <memory>
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

// A fresh workbook of copies of the built sheets (the example is typed into
// its own copy, the template stays empty).
Workbook Assemble(const std::vector<SheetBuild>& builds) {
    Workbook wb;
    for (const SheetBuild& b : builds) {
        TSheet s;
        s.GridName = b.sheet.GridName;
        s.MinColWidths = b.sheet.MinColWidths;
        s.MaxColWidths = b.sheet.MaxColWidths;
        s.Grid = std::make_unique<Grid>();
        const Grid& from = *b.sheet.Grid;
        Grid& to = *s.Grid;
        to.SetColumns(from.Columns());
        to.SetRows(from.Rows());
        to.ColWidths = from.ColWidths;
        to.RowHeights = from.RowHeights;
        for (int r = 0; r < from.Rows(); ++r) {
            for (int c = 0; c < from.Columns(); ++c) {
                const Cell& src = from.At(c, r);
                Cell& dst = to.At(c, r);
                dst.Cells = src.Cells;
                dst.CellColor = src.CellColor;
                dst.CellAlignment = src.CellAlignment;
                dst.CellBold = src.CellBold;
                dst.Edit = src.Edit;
                dst.HintCell = src.HintCell;
                if (src.Props) dst.Props = std::make_unique<TCellProps>(*src.Props);
            }
        }
        wb.Sheets.push_back(std::move(s));
    }
    wb.Header.SheetsCount = static_cast<int>(wb.Sheets.size());
    // A new statement starts in the year the dialog proposes.
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
        const std::vector<SheetBuild> builds = BuildAll(sources);

        const fs::path templatePath = argv[2];
        const Workbook templ = ReadBack(Assemble(builds), templatePath.filename().string());
        WriteDocumentFile(templ, templatePath.string());
        WritePrintTable(builds, argv[3]);

        // The example as a user makes it: the template, the general data
        // confirmed in the dialog, the figures typed, everything recalculated.
        const fs::path examplePath = argv[4];
        Workbook example = ReadBack(Assemble(builds), examplePath.filename().string());
        ApplyExampleValues(example, builds);
        ApplyExampleData(example, ReadExampleData((sources / "example.txt").string()));
        RecalculateToRest(example, 12);
        WriteDocumentFile(example, examplePath.string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "spf_template_generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
