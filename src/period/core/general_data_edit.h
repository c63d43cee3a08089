// What the general-data dialog's OK applies to a document: the header
// fields, the period option, the profit-and-loss variant of the cash flow,
// the signature lines of the statements and the headings of the analysis
// sheets. The dialog and the command line fill one of these and apply it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/dates.h"
#include "period/core/profit_loss_variant.h"

namespace spf {

class Workbook;
class Recalculator;

inline constexpr int kFirstFinancialYear = 1900;
inline constexpr int kLastFinancialYear = 9999;

struct GeneralDataEdit {
    std::string town;      // Miasto
    std::string company;   // Firma
    std::string preparer;  // Osoba
    int year = 2004;       // RokBiezacy
    DateDays preparedOn = 0;
    bool alwaysToday = false;  // "zawsze dzień bieżący": the date of preparation is today
    ProfitLossVariant variant = ProfitLossVariant::Comparative;
    bool otherPeriod = false;  // "okres inny niż rok", with its two texts
    std::string currentPeriod;
    std::string previousPeriod;
    int taxRate = 27;          // Podatek1
    int previousTaxRate = 27;  // Podatek2
    DateDays openingBalance = 0;
    DateDays closingBalance = 0;
    std::array<int, 3> shares{1, 1, 1};  // AFAkcje1..3: the year, the year before, the one before that
    bool closingAfter12Months = true;

    // The values the dialog shows for the document.
    static GeneralDataEdit Of(const Workbook& workbook);
};

// Why the values cannot be applied, in the words of the dialog; nothing when they can.
std::optional<std::string> GeneralDataProblem(const GeneralDataEdit& edit);

// OK of the dialog, for values GeneralDataProblem accepts: the header and the
// period option, the variant's formulas (recalculated), then the texts of
// WriteGeneralDataTexts. The notes list is the caller's to refresh.
void ApplyGeneralData(Workbook& workbook, const GeneralDataEdit& edit, Recalculator& recalculator,
                      const Clock& clock);

// The texts that follow from the header: "Miasto, d.mm.yyyy r." and the
// preparer under each of the first seven sheets, the analysis headings, and
// the recalculated titles of nota_12 and nota_13, which name the year.
void WriteGeneralDataTexts(Workbook& workbook, Recalculator& recalculator);

// The analysis headings for the document's year and closing-balance day:
// row 3 of AF_Bilans and AF_RZiS, (3, 4) and (5, 4) of AF_Wskazniki.
void WriteAnalysisHeadings(Workbook& workbook);

}  // namespace spf
