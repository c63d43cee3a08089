#include "period/core/period_texts.h"

#include <cctype>

namespace spf {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

std::string PlaceAndDateLine(const std::string& town, DateDays preparedOn) {
    const CivilDate d = CivilFromDays(preparedOn);
    const std::string month = (d.month < 10 ? "0" : "") + std::to_string(d.month);
    return town + ", " + std::to_string(d.day) + "." + month + "." + std::to_string(d.year) + " r.";
}

std::array<int, 3> AnalysisYears(int year) { return {year, year - 1, year - 2}; }

std::string ClosingDayIn(DateDays closingBalance, int year) {
    const CivilDate d = CivilFromDays(closingBalance);
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(year);
}

DateDays ShiftYears(DateDays day, int years) {
    CivilDate d = CivilFromDays(day);
    d.year += years;
    if (d.month == 2 && d.day == 29 && !IsLeapYear(d.year)) d.day = 28;
    return DaysFromCivil(d);
}

std::string ShiftYearsInText(const std::string& text, int years) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            out += text[i++];
            continue;
        }
        size_t end = i;
        while (end < text.size() && IsDigit(text[end])) ++end;
        std::string digits = text.substr(i, end - i);
        if (digits.size() == 4) {
            const int year = std::stoi(digits);
            const int moved = year + years;
            if (year >= 1900 && moved >= 1900 && moved <= 9999) digits = std::to_string(moved);
        }
        out += digits;
        i = end;
    }
    return out;
}

}  // namespace spf
