#include "civil_time.h"

namespace kalvor {

bool operator==(const CivilTime& a, const CivilTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

CivilTime MakeCivilTime(int year, int month, int day, int hour, int minute, int second) {
    CivilTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.dayOfWeek = DayOfWeek(year, month, day);
    return t;
}

// Howard Hinnant's days-from-civil algorithm: exact for the whole proleptic
// Gregorian calendar, no tables, no loops.
int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int DayOfWeek(int year, int month, int day) {
    const int64_t d = DaysFromCivil(year, month, day);  // day 0 was a Thursday
    return static_cast<int>(d >= -4 ? (d + 4) % 7 : (d + 5) % 7 + 6);
}

int DaysInMonth(int year, int month) {
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return kLengths[(month - 1) % 12];
}

int64_t SecondsFromCivil(const CivilTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

CivilTime CivilFromSeconds(int64_t seconds) {
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    CivilTime t;
    CivilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.dayOfWeek = DayOfWeek(t.year, t.month, t.day);
    return t;
}

uint64_t TicksFromCivil(const CivilTime& t) {
    return static_cast<uint64_t>(SecondsFromCivil(t) + kSecondsFrom1601To1970) * kTicksPerSecond;
}

CivilTime CivilFromTicks(uint64_t ticks) {
    return CivilFromSeconds(static_cast<int64_t>(ticks / kTicksPerSecond) - kSecondsFrom1601To1970);
}

}  // namespace kalvor
