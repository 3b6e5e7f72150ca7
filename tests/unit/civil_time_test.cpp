#include "civil_time.h"

#include <gtest/gtest.h>

namespace kalvor {
namespace {

struct DateCase {
    int year, month, day;
    int64_t daysSince1970;
    int dayOfWeek;
};

// Day numbers and weekdays checked against the proleptic Gregorian calendar.
TEST(CivilTime, DaysAndWeekdaysRoundTrip) {
    const DateCase cases[] = {
        {1970, 1, 1, 0, 4},         {1969, 12, 31, -1, 3},     {1601, 1, 1, -134774, 1},
        {1990, 1, 1, 7305, 1},      {1996, 2, 29, 9555, 4},    {1999, 12, 31, 10956, 5},
        {2000, 1, 1, 10957, 6},     {2000, 2, 29, 11016, 2},   {2100, 3, 1, 47541, 1},
        {2026, 12, 11, 20798, 5},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(DaysFromCivil(c.year, c.month, c.day), c.daysSince1970);
        EXPECT_EQ(DayOfWeek(c.year, c.month, c.day), c.dayOfWeek);
        int y = 0, m = 0, d = 0;
        CivilFromDays(c.daysSince1970, y, m, d);
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }
}

TEST(CivilTime, LeapFebruaries) {
    EXPECT_EQ(DaysInMonth(1996, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1999, 2), 28);
    EXPECT_EQ(DaysInMonth(1999, 12), 31);
}

TEST(CivilTime, TicksAreWindowsFileTimes) {
    // 1 January 1970 is 116444736000000000 ticks after 1 January 1601.
    CivilTime epoch;
    EXPECT_EQ(TicksFromCivil(epoch), 116444736000000000ULL);
    CivilTime origin;
    origin.year = 1601;
    EXPECT_EQ(TicksFromCivil(origin), 0u);
    EXPECT_EQ(CivilFromTicks(0).year, 1601);
    // A fraction of a second is dropped.
    EXPECT_EQ(CivilFromTicks(116444736000000000ULL + 9999999ULL), epoch);
}

TEST(CivilTime, SecondsBeforeAndAfterEpoch) {
    const CivilTime before = CivilFromSeconds(-1);
    EXPECT_EQ(before.year, 1969);
    EXPECT_EQ(before.hour, 23);
    EXPECT_EQ(before.second, 59);
    const CivilTime t = CivilFromSeconds(946684799);  // 1999-12-31 23:59:59 UTC
    EXPECT_EQ(SecondsFromCivil(t), 946684799);
    EXPECT_EQ(t.dayOfWeek, 5);
}

}  // namespace
}  // namespace kalvor
