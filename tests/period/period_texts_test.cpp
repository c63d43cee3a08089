// The texts the general data write and how dates and period texts move on.
#include "period/core/period_texts.h"

#include <gtest/gtest.h>

namespace spf {
namespace {

DateDays Date(int day, int month, int year) { return DaysFromCivil({year, month, day}); }

TEST(PlaceAndDateLine, DayUnpaddedMonthInTwoDigits) {
    struct Case {
        const char* town;
        DateDays date;
        const char* line;
    };
    const Case cases[] = {
        {"Warszawa", Date(5, 3, 2006), "Warszawa, 5.03.2006 r."},
        {"Poznań", Date(31, 12, 2005), "Poznań, 31.12.2005 r."},
        {"Łódź", Date(1, 1, 2000), "Łódź, 1.01.2000 r."},
        {"", Date(10, 11, 1999), ", 10.11.1999 r."},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceAndDateLine(c.town, c.date), c.line) << c.line;
}

TEST(AnalysisHeadingTexts, YearsAndClosingDayFollowTheYear) {
    EXPECT_EQ(AnalysisYears(2005), (std::array<int, 3>{2005, 2004, 2003}));
    EXPECT_EQ(ClosingDayIn(Date(31, 12, 2004), 2005), "31.12.2005");
    // Day and month both unpadded; the year is the caption's, not the date's.
    EXPECT_EQ(ClosingDayIn(Date(30, 6, 2004), 2003), "30.6.2003");
    EXPECT_EQ(ClosingDayIn(Date(1, 3, 2010), 2010), "1.3.2010");
}

TEST(ShiftYears, KeepsDayAndMonthAndFallsBackFromALeapDay) {
    EXPECT_EQ(ShiftYears(Date(15, 3, 2006), 1), Date(15, 3, 2007));
    EXPECT_EQ(ShiftYears(Date(29, 2, 2004), 1), Date(28, 2, 2005));
    EXPECT_EQ(ShiftYears(Date(29, 2, 2004), 4), Date(29, 2, 2008));
    EXPECT_EQ(ShiftYears(Date(31, 12, 2005), -2), Date(31, 12, 2003));
}

TEST(ShiftYearsInText, MovesOnlyStandAloneYears) {
    struct Case {
        const char* text;
        const char* moved;
    };
    const Case cases[] = {
        {"2005", "2006"},
        {"01.07.2005 - 30.06.2006", "01.07.2006 - 30.06.2007"},
        {"rok obrotowy 2005/2006", "rok obrotowy 2006/2007"},
        {"12345 i 205", "12345 i 205"},  // not four digits
        {"rok 1899", "rok 1899"},        // before the first financial year
        {"9999", "9999"},                // would leave the range
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShiftYearsInText(c.text, 1), c.moved) << c.text;
}

}  // namespace
}  // namespace spf
