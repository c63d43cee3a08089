// rollover: next year's statement from this year's, written as Save as writes it.
#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/recalculator.h"
#include "model/file/save_document.h"
#include "period/core/rollover.h"
#include "workbench/core/note_visibility.h"

namespace spf::cli {

namespace {

int RunRollover(const Invocation& inv) {
    const std::string out = inv.args.Value("-o");
    if (out.empty()) throw UsageError("rollover: missing -o OUT (usage: rollover FILE -o OUT)");
    const std::string& path = inv.args.positional[0];
    Workbook wb = LoadDocument(path);
    const SystemClock clock;
    Recalculator recalc(wb, clock);
    UpdateNoteVisibility(wb);
    if (!Rollover(wb, recalc, clock))
        throw Failure(path + ": the financial year " + std::to_string(wb.Header.RokBiezacy) +
                      " is the last one a statement can have");
    // The notes list shows the titles that name the new year.
    RefreshWykazNot(wb);
    if (const auto error = SaveDocument(wb, out)) throw Failure(error->Message());
    return 0;
}

}  // namespace

Command MakeRolloverCommand() {
    return {"rollover",
            "rollover FILE -o OUT",
            "Next year's statement from FILE, as \"Nowe na podstawie ubiegłorocznego\" makes it:\n"
            "this year's figures move into last year's columns, this year's amounts start at\n"
            "0,00 (texts stay), the year, the dates, the tax rates, the share counts and the\n"
            "headings move on, and the workbook is recalculated. OUT is written as Save as writes it.",
            {{"-o", "OUT", "the document to write"}},
            1,
            1,
            &RunRollover};
}

}  // namespace spf::cli
