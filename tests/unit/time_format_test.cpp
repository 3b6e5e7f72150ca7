#include "time_format.h"

#include <gtest/gtest.h>

namespace kalvor {
namespace {

TEST(TimeFormat, ThePatternsTheProgramsShow) {
    const CivilTime t = MakeCivilTime(1999, 12, 31, 23, 59, 58);
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

    EXPECT_EQ(FormatTime("%A, %B %d, %Y %I %p", MakeCivilTime(2000, 3, 5)), "Sunday, March 05, 2000 12 AM");
}

TEST(TimeFormat, EmptyZoneNameIsUnknown) {
    EXPECT_EQ(TimeZoneLabel(""), "Unknown time zone");
    EXPECT_EQ(TimeZoneLabel("GMT Standard Time"), "GMT Standard Time");
}

}  // namespace
}  // namespace kalvor
