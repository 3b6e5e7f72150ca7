// Calendar arithmetic on broken-down times, independent of any clock or zone.
#pragma once

#include <cstdint>

namespace kalvor {

// A broken-down wall-clock time (proleptic Gregorian calendar).
struct CivilTime {
    int year = 1970;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int hour = 0;       // 0..23
    int minute = 0;     // 0..59
    int second = 0;     // 0..59
    int dayOfWeek = 4;  // 0 = Sunday .. 6 = Saturday; filled in by the conversions below
};

bool operator==(const CivilTime& a, const CivilTime& b);

// A broken-down time with its day of the week filled in.
CivilTime MakeCivilTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Days since 1 January 1970 for a date, and back. Valid for any year >= 1.
int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(int64_t days, int& year, int& month, int& day);

int DayOfWeek(int year, int month, int day);
int DaysInMonth(int year, int month);

// Seconds since 1 January 1970 of a broken-down time taken as UTC, and back.
int64_t SecondsFromCivil(const CivilTime& t);
CivilTime CivilFromSeconds(int64_t seconds);

// 100-nanosecond ticks since 1 January 1601 (the Windows file time count).
constexpr uint64_t kTicksPerSecond = 10000000ULL;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600LL;

uint64_t TicksFromCivil(const CivilTime& t);
CivilTime CivilFromTicks(uint64_t ticks);  // drops the fraction of a second

}  // namespace kalvor
