#include "split_time.h"

#include <gtest/gtest.h>

namespace kalvor {
namespace {

// A fixed zone for the tests: local time is UTC plus `offset` seconds, and
// the zone converts nothing before 1970, as the C runtime does.
struct FixedZone {
    int64_t offset;
    UtcToLocal toLocal() const {
        const int64_t o = offset;
        return [o](int64_t utc, CivilTime& local) {
            if (utc < 0) return false;
            local = CivilFromSeconds(utc + o);
            return true;
        };
    }
    LocalToUtc toUtc() const {
        const int64_t o = offset;
        return [o](const CivilTime& local, int64_t& utc) {
            utc = SecondsFromCivil(local) - o;
            return utc >= 0;
        };
    }
};

TEST(SplitTime, LastSecondOf1999RoundTripsAsWholeSeconds) {
    for (const int64_t offset : {0LL, 3600LL, -5 * 3600LL, 13 * 3600LL}) {
        SCOPED_TRACE(offset);
        const FixedZone zone{offset};
        int64_t utc = 0;
        ASSERT_TRUE(zone.toUtc()(MakeCivilTime(1999, 12, 31, 23, 59, 59), utc));
        const SplitTimeHalves halves = SplitTimeFromSeconds(utc, zone.toLocal());
        // The count is local wall-clock time, in whole seconds.
        EXPECT_EQ(JoinHalves(halves) % kTicksPerSecond, 0u);
        EXPECT_EQ(CivilFromTicks(JoinHalves(halves)), MakeCivilTime(1999, 12, 31, 23, 59, 59));
        EXPECT_EQ(SecondsFromSplitTime(halves, zone.toUtc()), utc);
    }
}

TEST(SplitTime, HalvesHoldUpperAndLowerWords) {
    const SplitTimeHalves halves = SplitTicks(0x01BF53EB256D4000ULL);  // 1 January 2000 local
    EXPECT_EQ(halves.high, 0x01BF53EBu);
    EXPECT_EQ(halves.low, 0x256D4000u);
    EXPECT_EQ(JoinHalves(halves), 0x01BF53EB256D4000ULL);
    EXPECT_EQ(CivilFromTicks(JoinHalves(halves)), MakeCivilTime(2000, 1, 1, 0, 0, 0));
}

TEST(SplitTime, CountsThatAreNoTimeSince1970ReadAsMinusOne) {
    const FixedZone utc{0};
    struct Case {
        const char* what;
        SplitTimeHalves halves;
    };
    const Case cases[] = {
        {"both halves 0, as the installer stores them", {0, 0}},
        {"last second of 1969", SplitTicks(116444736000000000ULL - kTicksPerSecond)},
        {"past the file time range", {0xFFFFFFFFu, 0xFFFFFFFFu}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SecondsFromSplitTime(c.halves, utc.toUtc()), kNoTime);
    }
    // A local midnight of 1 January 1970 east of Greenwich lies before 1970 UTC.
    const FixedZone east{3600};
    EXPECT_EQ(SecondsFromSplitTime(SplitTicks(116444736000000000ULL), east.toUtc()), kNoTime);
    EXPECT_EQ(SecondsFromSplitTime(SplitTicks(116444736000000000ULL), utc.toUtc()), 0);
}

TEST(SplitTime, MinusOneIsStoredAsZeroesAndReadsBackAsMinusOne) {
    const FixedZone zone{0};
    const SplitTimeHalves halves = SplitTimeFromSeconds(kNoTime, zone.toLocal());
    EXPECT_EQ(halves.high, 0u);
    EXPECT_EQ(halves.low, 0u);
    EXPECT_EQ(SecondsFromSplitTime(halves, zone.toUtc()), kNoTime);
}

}  // namespace
}  // namespace kalvor
