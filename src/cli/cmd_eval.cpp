// eval: a formula evaluated by the workbook pipeline, as a formula of a cell
// of the named sheet, in a loaded document.
#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/cell_reference.h"
#include "formula/formula_pipeline.h"
#include "formula/recalculator.h"

namespace spf::cli {

namespace {

int RunEval(const Invocation& inv) {
    const std::string& path = inv.args.positional[0];
    const std::string& sheetName = inv.args.positional[1];
    Workbook wb = LoadDocument(path);
    const int sheet = FindSheetExact(wb, sheetName);
    if (sheet < 0) throw Failure(path + ": no sheet named " + sheetName);
    const SystemClock clock;
    Recalculator recalc(wb, clock);
    if (inv.args.Has("--recalc")) recalc.RecalculateWorkbook();
    // As a check of a formula, not the calculation of a cell: no dependant is recorded.
    recalc.context().calculated.reset();
    inv.out << EvaluateFormula(recalc.context(), inv.args.positional[2], sheet) << '\n';
    return 0;
}

}  // namespace

Command MakeEvalCommand() {
    return {"eval",
            "eval FILE SHEET FORMULA [--recalc]",
            "Evaluates FORMULA (with or without its leading \"=\") with the workbook formula\n"
            "pipeline, as a formula of a cell of SHEET, in the loaded document, and prints the\n"
            "value text; a formula that fails prints ### and still exits 0. --recalc first runs\n"
            "the workbook recalculation once.",
            {{"--recalc", "", "run the workbook recalculation once before evaluating"}},
            3,
            3,
            &RunEval};
}

}  // namespace spf::cli
