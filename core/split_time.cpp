#include "split_time.h"

namespace kalvor {

uint64_t JoinHalves(SplitTimeHalves halves) {
    return (static_cast<uint64_t>(halves.high) << 32) | halves.low;
}

SplitTimeHalves SplitTicks(uint64_t ticks) {
    SplitTimeHalves halves;
    halves.high = static_cast<uint32_t>(ticks >> 32);
    halves.low = static_cast<uint32_t>(ticks & 0xFFFFFFFFu);
    return halves;
}

SplitTimeHalves SplitTimeFromSeconds(int64_t seconds, const UtcToLocal& toLocal) {
    CivilTime local;
    if (!toLocal(seconds, local) || local.year < 1601) return SplitTimeHalves{};
    return SplitTicks(TicksFromCivil(local));
}

int64_t SecondsFromSplitTime(SplitTimeHalves halves, const LocalToUtc& toUtc) {
    const uint64_t ticks = JoinHalves(halves);
    // Counts past the year 30827 are not file times at all.
    if (ticks >= 0x8000000000000000ULL) return kNoTime;
    const CivilTime local = CivilFromTicks(ticks);
    if (local.year < 1970) return kNoTime;
    int64_t seconds = kNoTime;
    if (!toUtc(local, seconds) || seconds < 0) return kNoTime;
    return seconds;
}

}  // namespace kalvor
