// recalc: the workbook recalculation, run N times, and the document written out.
#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/recalculator.h"
#include "model/file/save_document.h"

namespace spf::cli {

namespace {

int RunRecalc(const Invocation& inv) {
    const std::string out = inv.args.Value("-o");
    if (out.empty()) throw UsageError("recalc: missing -o OUT (usage: recalc FILE -o OUT [--passes N])");
    const int passes = inv.args.IntValue("--passes", 1, 0, 1000);
    Workbook wb = LoadDocument(inv.args.positional[0]);
    const SystemClock clock;
    Recalculator recalc(wb, clock);
    for (int i = 0; i < passes; ++i) recalc.RecalculateWorkbook();
    if (const auto error = SaveDocument(wb, out)) throw Failure(error->Message());
    return 0;
}

}  // namespace

Command MakeRecalcCommand() {
    return {"recalc",
            "recalc FILE -o OUT [--passes N]",
            "Loads FILE, runs the workbook recalculation (every sheet, then every formula left\n"
            "stale, until nothing changes) N times, 1 by default, and writes OUT as the\n"
            "application saves.",
            {{"-o", "OUT", "the document to write"},
             {"--passes", "N", "how many workbook recalculations, 0 to 1000"}},
            1,
            1,
            &RunRecalc};
}

}  // namespace spf::cli
