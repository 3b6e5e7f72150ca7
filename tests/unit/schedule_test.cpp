#include "schedule.h"

#include <gtest/gtest.h>

#include "split_time.h"

namespace kalvor {
namespace {

TEST(Schedule, PeriodsByStoredValue) {
    struct Case {
        uint32_t value;
        int64_t softwareDays, hardwareDays;
    };
    const Case cases[] = {{0, 0, 0}, {1, 30, 60}, {2, 14, 30}, {3, 30, 60}, {0xFFFFFFFFu, 30, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SoftwareTestPeriod(c.value), c.softwareDays * kSecondsPerDay);
        EXPECT_EQ(HardwareTestPeriod(c.value), c.hardwareDays * kSecondsPerDay);
    }
}

TEST(Schedule, DueFromTheLastTimePlusThePeriod) {
    const int64_t month = 30 * kSecondsPerDay;
    const int64_t now = 946684799;
    EXPECT_TRUE(IsTestDue(now, now - month, month));       // exactly one period later
    EXPECT_FALSE(IsTestDue(now, now - month + 1, month));  // one second short
    EXPECT_TRUE(IsTestDue(now, kNoTime, month));           // never stored: due at once
    EXPECT_FALSE(IsTestDue(now, kNoTime, 0));              // never scheduled
    EXPECT_FALSE(IsTestDue(now, now + 10, month));         // last time in the future
    EXPECT_TRUE(IsTestDue(now + 10 + month, now + 10, month));
}

}  // namespace
}  // namespace kalvor
