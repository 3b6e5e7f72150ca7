#include "countdown.h"

#include <gtest/gtest.h>

#include "time_format.h"

namespace kalvor {
namespace {

TEST(Countdown, TableOfMoments) {
    struct Case {
        CivilTime at;
        Countdown left;
        const char* firstLine;
        const char* secondLine;
    };
    const Case cases[] = {
        {MakeCivilTime(1999, 12, 31, 23, 0, 0), {0, 0, 59, 59}, "Time left till Year 2000:",
         "0 days, 00 hours, 59 minutes, 59 seconds"},
        {MakeCivilTime(1999, 12, 31, 23, 59, 50), {0, 0, 0, 9}, "Time left till Year 2000:",
         "0 days, 00 hours, 00 minutes, 09 seconds"},
        {MakeCivilTime(1999, 12, 31, 23, 59, 58), {0, 0, 0, 1}, "Time left till Year 2000:",
         "0 days, 00 hours, 00 minutes, 01 seconds"},
        // The last second of 1999 already counts as arrived.
        {MakeCivilTime(1999, 12, 31, 23, 59, 59), {0, 0, 0, 0}, "Welcome to the Future!", "23:59:59 Friday, December 31, 1999"},
        {MakeCivilTime(1999, 1, 1, 12, 34, 56), {364, 11, 25, 3}, "Time left till Year 2000:",
         "364 days, 11 hours, 25 minutes, 03 seconds"},
        // 1996, 1997 and 1998 count 365 days each: no leap day.
        {MakeCivilTime(1996, 3, 1, 0, 0, 0), {1400, 23, 59, 59}, "Time left till Year 2000:",
         "1400 days, 23 hours, 59 minutes, 59 seconds"},
        {MakeCivilTime(1996, 2, 29, 0, 0, 0), {1400, 23, 59, 59}, "Time left till Year 2000:",
         "1400 days, 23 hours, 59 minutes, 59 seconds"},
        {MakeCivilTime(2000, 1, 1, 0, 0, 0), {0, 0, 0, 0}, "Welcome to the Future!", "00:00:00 Saturday, January 01, 2000"},
        {MakeCivilTime(2000, 2, 29, 7, 5, 3), {0, 0, 0, 0}, "Welcome to the Future!", "07:05:03 Tuesday, February 29, 2000"},
        {MakeCivilTime(2024, 6, 15, 18, 30, 0), {0, 0, 0, 0}, "Welcome to the Future!", "18:30:00 Saturday, June 15, 2024"},
    };
    for (const Case& c : cases) {
        const std::string when = FormatTime("%Y-%m-%d %H:%M:%S", c.at);
        const Countdown left = ComputeCountdown(c.at);
        EXPECT_EQ(left.days, c.left.days) << when;
        EXPECT_EQ(left.hours, c.left.hours) << when;
        EXPECT_EQ(left.minutes, c.left.minutes) << when;
        EXPECT_EQ(left.seconds, c.left.seconds) << when;
        const ScreenSaverText text = ScreenSaverTextAt(c.at);
        EXPECT_EQ(text.firstLine, c.firstLine) << when;
        EXPECT_EQ(text.secondLine, c.secondLine) << when;
    }
}

// Against the calendar: the countdown is the true time left to 1 January 2000
// less one second, less one day for every 29 February still ahead (or today).
TEST(Countdown, MatchesTheCalendarWithoutLeapDays) {
    const int64_t target = SecondsFromCivil(MakeCivilTime(2000, 1, 1, 0, 0, 0));
    const int times[][3] = {{0, 0, 0}, {0, 0, 1}, {12, 30, 45}, {23, 59, 58}, {23, 59, 59}};
    for (int64_t day = DaysFromCivil(1990, 1, 1); day < DaysFromCivil(2000, 1, 1); ++day) {
        CivilTime t;
        CivilFromDays(day, t.year, t.month, t.day);
        int leapDaysAhead = 0;
        for (int y = t.year; y <= 1999; ++y) {
            if (DaysInMonth(y, 2) == 29 && DaysFromCivil(y, 2, 29) >= day) ++leapDaysAhead;
        }
        for (const auto& hms : times) {
            t.hour = hms[0];
            t.minute = hms[1];
            t.second = hms[2];
            const Countdown left = ComputeCountdown(t);
            const int64_t counted = ((static_cast<int64_t>(left.days) * 24 + left.hours) * 60 + left.minutes) * 60 +
                                    left.seconds;
            const int64_t expected = target - SecondsFromCivil(t) - 1 - 86400LL * leapDaysAhead;
            ASSERT_EQ(counted, expected) << FormatTime("%Y-%m-%d %H:%M:%S", t);
            ASSERT_GE(left.days, 0);
            ASSERT_LT(left.hours, 24);
            ASSERT_LT(left.minutes, 60);
            ASSERT_LT(left.seconds, 60);
        }
    }
}

}  // namespace
}  // namespace kalvor
