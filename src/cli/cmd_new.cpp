// new: a statement from the template with the general data set as the
// general-data dialog's OK sets them.
#include "cli/command.h"
#include "cli/document_access.h"
#include "formula/recalculator.h"
#include "model/file/save_document.h"
#include "period/core/general_data_edit.h"
#include "period/core/period_texts.h"
#include "workbench/core/note_visibility.h"

namespace spf::cli {

namespace {

ProfitLossVariant VariantNamed(const std::string& name) {
    if (name == "porownawczy") return ProfitLossVariant::Comparative;
    if (name == "kalkulacyjny") return ProfitLossVariant::CostOfSales;
    throw UsageError("new: --variant is porownawczy or kalkulacyjny, not \"" + name + "\"");
}

GeneralDataEdit EditFromOptions(const Workbook& wb, const ParsedArgs& args) {
    GeneralDataEdit e = GeneralDataEdit::Of(wb);
    if (args.Has("--company")) e.company = args.Value("--company");
    if (args.Has("--town")) e.town = args.Value("--town");
    if (args.Has("--preparer")) e.preparer = args.Value("--preparer");
    if (args.Has("--tax")) e.taxRate = e.previousTaxRate = args.IntValue("--tax", e.taxRate, 0, 100);
    if (args.Has("--variant")) e.variant = VariantNamed(args.Value("--variant"));
    if (args.Has("--year")) {
        const int year = args.IntValue("--year", e.year, kFirstFinancialYear, kLastFinancialYear);
        // The balance dates belong to the template's year and move with it;
        // the date of preparation of a new statement is today's.
        const int years = year - e.year;
        e.year = year;
        e.openingBalance = ShiftYears(e.openingBalance, years);
        e.closingBalance = ShiftYears(e.closingBalance, years);
    }
    if (args.Has("--date")) {
        const auto date = ParseShortDate(args.Value("--date"));
        if (!date) throw UsageError("new: --date is dd.mm.yyyy, not \"" + args.Value("--date") + "\"");
        e.preparedOn = *date;
    }
    return e;
}

int RunNew(const Invocation& inv) {
    const std::string out = inv.args.Value("-o");
    if (out.empty()) throw UsageError("new: missing -o OUT (usage: new -o OUT [OPTIONS])");
    Workbook wb = LoadDocument(inv.templatePath);
    const GeneralDataEdit edit = EditFromOptions(wb, inv.args);
    if (const auto problem = GeneralDataProblem(edit)) throw UsageError("new: " + *problem);
    const SystemClock clock;
    Recalculator recalc(wb, clock);
    ApplyGeneralData(wb, edit, recalc, clock);
    recalc.RecalculateWorkbook();
    // Labels, references and the notes list with the titles of the new year.
    UpdateNoteVisibility(wb);
    if (const auto error = SaveDocument(wb, out)) throw Failure(error->Message());
    return 0;
}

}  // namespace

Command MakeNewCommand() {
    return {"new",
            "new -o OUT [--year Y] [--company TEXT] [--town TEXT] [--preparer TEXT] [--date dd.mm.yyyy] "
            "[--tax N] [--variant porownawczy|kalkulacyjny]",
            "Writes OUT, a new statement from the template with the general data set as the\n"
            "general-data dialog's OK sets them: the signature lines, the analysis headings and\n"
            "the profit-and-loss variant the cash flow reads. Then the workbook is recalculated,\n"
            "so every heading shows the year. The balance dates move with --year; the date of\n"
            "preparation is today's unless --date names it; --tax sets the rate of both years.",
            {{"-o", "OUT", "the document to write"},
             {"--year", "Y", "the financial year, 1900 to 9999"},
             {"--company", "TEXT", "the company's name"},
             {"--town", "TEXT", "the town of the signature line"},
             {"--preparer", "TEXT", "the person who prepared the statement"},
             {"--date", "dd.mm.yyyy", "the date of preparation"},
             {"--tax", "N", "the income-tax rate in percent, 0 to 100"},
             {"--variant", "NAME", "porownawczy or kalkulacyjny"}},
            0,
            0,
            &RunNew};
}

}  // namespace spf::cli
