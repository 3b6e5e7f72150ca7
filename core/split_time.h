// A point in time as the settings key stores it: a 64-bit count of 100 ns
// ticks since 1601 in local wall-clock time, kept as two 32-bit halves.
// The programs keep times as signed seconds since 1970 (UTC); the zone
// conversion is passed in, so these rules run with any clock and zone.
#pragma once

#include <cstdint>
#include <functional>

#include "civil_time.h"

namespace kalvor {

// The time value of a pair that holds no valid time since 1970.
constexpr int64_t kNoTime = -1;

struct SplitTimeHalves {
    uint32_t high = 0;
    uint32_t low = 0;
};

using UtcToLocal = std::function<bool(int64_t utcSeconds, CivilTime& local)>;
using LocalToUtc = std::function<bool(const CivilTime& local, int64_t& utcSeconds)>;

uint64_t JoinHalves(SplitTimeHalves halves);
SplitTimeHalves SplitTicks(uint64_t ticks);

// Whole seconds only; a time the zone cannot convert is stored as 0, 0,
// which reads back as kNoTime.
SplitTimeHalves SplitTimeFromSeconds(int64_t seconds, const UtcToLocal& toLocal);

// kNoTime when the count is no local time from 1970 on, or the zone cannot
// convert it.
int64_t SecondsFromSplitTime(SplitTimeHalves halves, const LocalToUtc& toUtc);

}  // namespace kalvor
