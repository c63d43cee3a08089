// Calendar dates as whole days since 30 December 1899 (day 1 is 31 December 1899).
#pragma once

#include <optional>
#include <string>

namespace spf {

using DateDays = int;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

DateDays DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(DateDays days);

// The Polish short date form dd.mm.yyyy.
std::string FormatShortDate(DateDays days);
std::optional<DateDays> ParseShortDate(const std::string& text);

// Where "today" comes from; tests inject a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateDays Today() const = 0;
};

class SystemClock final : public Clock {
public:
    DateDays Today() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateDays day) : day_(day) {}
    DateDays Today() const override { return day_; }

private:
    DateDays day_;
};

}  // namespace spf
