// The texts the general data put into a statement: the place-and-date line
// of the signatures, the year captions and headings of the analysis sheets,
// and the dates and period texts as they move on to the next year.
#pragma once

#include <array>
#include <string>

#include "model/dates.h"

namespace spf {

// "Warszawa, 5.03.2006 r.": the day unpadded, the month in two digits.
std::string PlaceAndDateLine(const std::string& town, DateDays preparedOn);

// The year, the year before and the one before that: the captions of the
// share counts and the three columns of the analysis sheets.
std::array<int, 3> AnalysisYears(int year);

// "31.12.2005": day and month of the closing balance, both unpadded, with a year.
std::string ClosingDayIn(DateDays closingBalance, int year);

// The same day and month years later; 29 February becomes 28 February
// in a year that has no leap day.
DateDays ShiftYears(DateDays day, int years);

// Every stand-alone four-digit year (1900-9999) of a period text moved on by
// years: "01.07.2005 - 30.06.2006" becomes "01.07.2006 - 30.06.2007".
std::string ShiftYearsInText(const std::string& text, int years);

}  // namespace spf
