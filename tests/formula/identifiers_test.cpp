// The general-data identifiers, in formulas and in the export form.
#include <gtest/gtest.h>

#include <vector>

#include "fixture_book.h"
#include "formula/general_identifiers.h"

namespace spf::test {
namespace {

struct IdentifierCase {
    const char* name;
    std::string byYear;    // the financial year 2004
    std::string byPeriod;  // with "okres inny niż rok" ticked
};

TEST(GeneralDataIdentifier, FollowsTheYearOrThePeriodTexts) {
    FixtureBook book;
    book.wb.Header.Miasto = "Kraków";
    book.wb.Header.Firma = "Kolor SA";
    book.wb.Header.Podatek1 = 19;
    book.wb.Header.AFAkcje2 = 500;
    const std::vector<IdentifierCase> cases = {
        {"ROKA", "2004", "2004/2005"},
        {"ROKAPLN", "2004", "2004/2005"},
        {"ROKB", "2003", "2003/2004"},
        {"POCZOKRESU", "31 grudnia 2003", "2003/2004"},
        {"POCZOKRESUSHORT", "31.12.2003", "2003/2004"},
        {"KONIECOKRESU", "31 grudnia 2004", "2004/2005"},
        {"KONIECOKRESUSHORT", "31.12.2004", "2004/2005"},
        {"MIASTO", "Kraków", "Kraków"},
        {"FIRMA", "Kolor SA", "Kolor SA"},
        {"DZISIAJ", "07.03.2005", "07.03.2005"},
        {"DZISIAJROK", "2005", "2005"},
        {"OSOBA", std::string(80, '.'), std::string(80, '.')},
        {"PODATEK", "19", "19"},
        {"AKCJE2", "500", "500"},
        {"PLN", "", ""},
    };
    for (bool period : {false, true}) {
        book.wb.General.OkresInnyNizRok = period;
        book.wb.General.OkresBiezacy = "2004/2005";
        book.wb.General.OkresPoprzedni = "2003/2004";
        for (const IdentifierCase& c : cases) {
            const auto value = GeneralDataIdentifier(book.wb, book.clock, c.name);
            ASSERT_TRUE(value) << c.name;
            EXPECT_EQ(value->text, period ? c.byPeriod : c.byYear) << c.name;
        }
    }
    EXPECT_FALSE(GeneralDataIdentifier(book.wb, book.clock, "ROK"));
    EXPECT_FALSE(GeneralDataIdentifier(book.wb, book.clock, "roka"));  // names arrive in upper case
    book.wb.Header.Osoba = "  Jan Nowak";
    EXPECT_EQ(GeneralDataIdentifier(book.wb, book.clock, "OSOBA")->text, "  Jan Nowak");
    book.wb.Header.Osoba = " \t ";
    EXPECT_EQ(GeneralDataIdentifier(book.wb, book.clock, "OSOBA")->text, std::string(80, '.'));
}

TEST(GeneralDataIdentifier, NumbersAreIntegersInFormulasTextsAreNot) {
    FixtureBook book;
    book.AddSheet("A");
    book.wb.Header.Podatek1 = 19;
    book.wb.Header.AFAkcje1 = 4;
    EXPECT_EQ(book.Evaluate("A", "=PODATEK*2"), "38");
    EXPECT_EQ(book.Evaluate("A", "=1000/AKCJE1"), "250");
    EXPECT_EQ(book.Evaluate("A", "=podatek(1,2)"), "19");  // parameters are ignored
    EXPECT_EQ(book.Evaluate("A", "=ROKB"), "2003");
    EXPECT_EQ(book.Evaluate("A", "=KONIECOKRESUSHORT"), "31.12.2004");
    EXPECT_EQ(book.Evaluate("A", "=DZISIAJ"), "07.03.2005");
    EXPECT_EQ(book.Evaluate("A", "=ROKB-1"), "###");
    EXPECT_EQ(book.Evaluate("A", "=ROKB+1"), "20031");  // text + number joins texts
    EXPECT_EQ(book.Evaluate("A", "=NIEZNANY"), "###");
}

}  // namespace
}  // namespace spf::test
