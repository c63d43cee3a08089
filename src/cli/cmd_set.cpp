// set: typing texts into cells as a user would, with the recalculation that
// follows each edit, and the document written out.
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/cell_entry.h"
#include "formula/cell_reference.h"
#include "formula/edit_permission.h"
#include "formula/formula_error.h"
#include "formula/recalculator.h"
#include "model/amounts.h"
#include "model/file/save_document.h"

namespace spf::cli {

namespace {

struct Assignment {
    std::string cellName;  // as written, for messages
    int sheet = -1;
    int col = 0;
    int row = 0;
    std::string text;
};

// "SHEET!D42=TEXT"; the sheet must exist and the cell must accept typing.
Assignment ReadAssignment(const Workbook& wb, const std::string& path, const std::string& arg) {
    const size_t eq = arg.find('=');
    const size_t bang = arg.find('!');
    if (eq == std::string::npos || bang == std::string::npos || bang > eq)
        throw UsageError("set: an assignment is SHEET!D42=TEXT, not \"" + arg + "\"");
    Assignment a;
    a.cellName = arg.substr(0, eq);
    a.text = arg.substr(eq + 1);
    const std::string sheetName = arg.substr(0, bang);
    const std::string address = arg.substr(bang + 1, eq - bang - 1);
    CellReference ref;
    try {
        if (address.find(',') != std::string::npos) throw FormulaError("not a cell address");
        ref = ParseReference(wb, address);
    } catch (const FormulaError&) {
        throw UsageError("set: \"" + address + "\" is not a cell address (column letter and row number)");
    }
    a.sheet = FindSheetExact(wb, sheetName);
    if (a.sheet < 0) throw Failure(path + ": no sheet named " + sheetName);
    a.col = ref.col;
    a.row = ref.row;
    const Grid& grid = *wb.Sheets[static_cast<size_t>(a.sheet)].Grid;
    if (!grid.Contains(a.col, a.row)) throw Failure(path + ": " + a.cellName + " lies outside its sheet");
    if (!CellMayBeEdited(grid, a.col, a.row))
        throw Failure(path + ": " + a.cellName + " does not accept typing");
    return a;
}

int RunSet(const Invocation& inv) {
    const std::string out = inv.args.Value("-o");
    if (out.empty()) throw UsageError("set: missing -o OUT (usage: set FILE -o OUT ASSIGNMENT...)");
    const std::string lang = inv.args.Value("--lang");
    if (inv.args.Has("--lang") && lang != "pl" && lang != "en")
        throw UsageError("set: --lang takes pl or en, not \"" + lang + "\"");

    const std::string& path = inv.args.positional[0];
    Workbook wb = LoadDocument(path);
    if (inv.args.Has("--lang")) wb.LangID = lang == "en" ? 1 : 0;
    // Every assignment is checked before any is made: a refused one leaves nothing written.
    std::vector<Assignment> assignments;
    for (size_t i = 1; i < inv.args.positional.size(); ++i)
        assignments.push_back(ReadAssignment(wb, path, inv.args.positional[i]));

    const SystemClock clock;
    Recalculator recalc(wb, clock);
    CellEntry entry;
    for (const Assignment& a : assignments) {
        TSheet& sheet = wb.Sheets[static_cast<size_t>(a.sheet)];
        entry.StartEditing(wb, *sheet.Grid, a.col, a.row);
        const CellEntryOutcome outcome =
            entry.FinishEditing(wb, sheet.GridName, *sheet.Grid, a.col, a.row, a.text, true);
        // The view empties such a cell and says so; a script gets a refusal
        // instead of a document with a hole in it. Nothing is written yet.
        if (outcome.amount == AmountReading::NotAnAmount)
            throw Failure(path + ": " + a.cellName + " is an amount cell and \"" + a.text +
                          "\" is not an amount");
        // What the deferred timer runs after the edit.
        if (outcome.recalcRequested) recalc.RecalculateSheet(a.sheet);
    }
    if (inv.args.Has("--recalc")) recalc.RecalculateWorkbook();
    if (const auto error = SaveDocument(wb, out)) throw Failure(error->Message());
    return 0;
}

}  // namespace

Command MakeSetCommand() {
    return {"set",
            "set FILE -o OUT [--lang pl|en] [--recalc] ASSIGNMENT...",
            "Each ASSIGNMENT is SHEET!D42=TEXT. In order, TEXT is typed into the cell and the cell\n"
            "is left, as a user does: amounts are normalised, the text of the document language is\n"
            "stored, and the cell's sheet is recalculated as after an edit. A cell that does not\n"
            "accept typing, and a text that is not an amount typed into an amount cell, are refused\n"
            "(exit 1, nothing written); an empty text empties the cell. --lang sets the document\n"
            "language first; --recalc runs the workbook recalculation once at the end. Then OUT is\n"
            "written.",
            {{"-o", "OUT", "the document to write"},
             {"--lang", "pl|en", "the document language to set first"},
             {"--recalc", "", "run the workbook recalculation once at the end"}},
            2,
            -1,
            &RunSet};
}

}  // namespace spf::cli
