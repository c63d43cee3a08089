#include "model/dates.h"

#include <chrono>
#include <cstdio>

namespace spf {

namespace {
// 1899-12-30 in days since 1970-01-01.
constexpr int kEpochOffset = -25569;
}  // namespace

DateDays DaysFromCivil(const CivilDate& date) {
    using namespace std::chrono;
    const sys_days d{year{date.year} / month{static_cast<unsigned>(date.month)} /
                     day{static_cast<unsigned>(date.day)}};
    return static_cast<DateDays>(d.time_since_epoch().count()) - kEpochOffset;
}

CivilDate CivilFromDays(DateDays days) {
    using namespace std::chrono;
    const year_month_day ymd{sys_days{std::chrono::days{days + kEpochOffset}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string FormatShortDate(DateDays days) {
    const CivilDate d = CivilFromDays(days);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buf;
}

std::optional<DateDays> ParseShortDate(const std::string& text) {
    int day = 0, month = 0, year = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d%c", &day, &month, &year, &tail) != 3) return std::nullopt;
    if (year >= 0 && year < 100) year += year < 50 ? 2000 : 1900;
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (month < 1 || month > 12 || day < 1 || !ymd.ok()) return std::nullopt;
    return DaysFromCivil({year, month, day});
}

DateDays SystemClock::Today() const {
    using namespace std::chrono;
    const auto now = floor<std::chrono::days>(system_clock::now());
    return static_cast<DateDays>(now.time_since_epoch().count()) - kEpochOffset;
}

}  // namespace spf
