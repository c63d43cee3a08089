#include "formula/formula_export.h"

#include "formula/general_identifiers.h"
#include "model/text_utils.h"

namespace spf {

std::string FormulaForExport(const Workbook& workbook, const Clock& clock, std::string_view formula) {
    std::string f = ReplaceAllIgnoreCase(formula, "RANGE('", "");
    f = ReplaceAllIgnoreCase(f, "')", "");
    // Longer names first, so that ROKA does not eat the start of ROKAPLN.
    // FIRMA, OSOBA, PLN and DZISIAJROK stay as written (DZISIAJ still takes
    // the first seven letters of DZISIAJROK).
    static constexpr const char* kReplaced[] = {
        "ROKAPLN",      "ROKA",   "ROKB",    "POCZOKRESUSHORT", "POCZOKRESU", "KONIECOKRESUSHORT",
        "KONIECOKRESU", "MIASTO", "DZISIAJ", "PODATEK",         "AKCJE1",     "AKCJE2",
        "AKCJE3"};
    for (const char* name : kReplaced) {
        if (FindIgnoreCase(f, name) == std::string::npos) continue;
        f = ReplaceAllIgnoreCase(f, name, GeneralDataIdentifier(workbook, clock, name)->text);
    }
    return std::string(Trim(f));
}

}  // namespace spf
