#include "formula/general_identifiers.h"

#include "model/text_utils.h"

namespace spf {

namespace {

IdentifierValue Text(std::string text) { return {false, 0, std::move(text)}; }
IdentifierValue Integer(int64_t value) { return {true, value, std::to_string(value)}; }

// With the period option ticked the entered period text replaces the year wording.
IdentifierValue Period(const Workbook& wb, bool current, const std::string& otherwise) {
    if (wb.General.OkresInnyNizRok)
        return Text(current ? wb.General.OkresBiezacy : wb.General.OkresPoprzedni);
    return Text(otherwise);
}

}  // namespace

std::optional<IdentifierValue> GeneralDataIdentifier(const Workbook& wb, const Clock& clock,
                                                     std::string_view name) {
    const std::string year = std::to_string(wb.Header.RokBiezacy);
    const std::string previous = std::to_string(wb.Header.RokBiezacy - 1);
    if (name == "ROKA" || name == "ROKAPLN") return Period(wb, true, year);
    if (name == "ROKB") return Period(wb, false, previous);
    if (name == "POCZOKRESU") return Period(wb, false, "31 grudnia " + previous);
    if (name == "POCZOKRESUSHORT") return Period(wb, false, "31.12." + previous);
    if (name == "KONIECOKRESU") return Period(wb, true, "31 grudnia " + year);
    if (name == "KONIECOKRESUSHORT") return Period(wb, true, "31.12." + year);
    if (name == "MIASTO") return Text(wb.Header.Miasto);
    if (name == "DZISIAJ") return Text(FormatShortDate(clock.Today()));
    if (name == "DZISIAJROK") return Text(std::to_string(CivilFromDays(clock.Today()).year));
    if (name == "FIRMA") return Text(wb.Header.Firma);
    if (name == "OSOBA") {
        if (Trim(wb.Header.Osoba).empty()) return Text(std::string(80, '.'));
        return Text(wb.Header.Osoba);
    }
    if (name == "PODATEK") return Integer(wb.Header.Podatek1);
    if (name == "AKCJE1") return Integer(wb.Header.AFAkcje1);
    if (name == "AKCJE2") return Integer(wb.Header.AFAkcje2);
    if (name == "AKCJE3") return Integer(wb.Header.AFAkcje3);
    if (name == "PLN") return Text("");
    return std::nullopt;
}

}  // namespace spf
