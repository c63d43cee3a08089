// export-xlsx: the spreadsheet export, after a workbook recalculation.
#include "cli/command.h"
#include "cli/document_access.h"
#include "export/xlsx_export.h"
#include "formula/recalculator.h"

namespace spf::cli {

namespace {

int RunExportXlsx(const Invocation& inv) {
    const ParsedArgs& a = inv.args;
    Workbook wb = LoadDocument(a.positional[0]);
    XlsxExportOptions options;
    options.formulas = a.Has("--formulas");
    for (const std::string& name : a.Values("--sheet")) {
        const int index = wb.FindSheet(name);
        if (index < 0) throw Failure(a.positional[0] + ": no sheet named " + name);
        options.sheets.push_back(index);
    }
    const SystemClock clock;
    Recalculator(wb, clock).RecalculateWorkbook();
    if (const auto error = ExportXlsx(wb, clock, a.positional[1], options)) throw Failure(*error);
    return 0;
}

}  // namespace

Command MakeExportXlsxCommand() {
    return {"export-xlsx",
            "export-xlsx FILE OUT.xlsx [--formulas] [--sheet NAME]...",
            "Recalculates FILE and writes its sheets to the spreadsheet OUT.xlsx, one worksheet\n"
            "per sheet in workbook order; every sheet unless --sheet names some.",
            {{"--formulas", "", "amounts as formulas that compute the shown figures, not only values"},
             {"--sheet", "NAME", "export this sheet; repeatable", true}},
            2,
            2,
            &RunExportXlsx};
}

}  // namespace spf::cli
