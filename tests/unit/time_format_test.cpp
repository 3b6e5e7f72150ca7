#include "time_format.h"

#include <gtest/gtest.h>

namespace kalvor {
namespace {

TEST(TimeFormat, ThePatternsTheProgramsShow) {
    CivilTime t;
    t.year = 1999;
    t.month = 12;
    t.day = 31;
    t.hour = 23;
    t.minute = 59;
    t.second = 58;
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"%H:%M:%S %A, %B %d, %Y", "23:59:58 Friday, December 31, 1999"},
        {"%A, %B %d, %Y, %H:%M:%S", "Friday, December 31, 1999, 23:59:58"},
        {"%a %b %m/%d/%y %I %p %j", "Fri Dec 12/31/99 11 PM 365"},
        {"100%% %q", "100% %q"},
        {"trailing %", "trailing %"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatTime(c.pattern, t), c.expected) << c.pattern;

    CivilTime morning;
    morning.year = 2000;
    morning.month = 3;
    morning.day = 5;
    morning.hour = 0;
    EXPECT_EQ(FormatTime("%A, %B %d, %Y %I %p", morning), "Sunday, March 05, 2000 12 AM");
}

TEST(TimeFormat, EmptyZoneNameIsUnknown) {
    EXPECT_EQ(TimeZoneLabel(""), "Unknown time zone");
    EXPECT_EQ(TimeZoneLabel("GMT Standard Time"), "GMT Standard Time");
}

}  // namespace
}  // namespace kalvor
