#include "countdown.h"

#include <cstdio>

#include "time_format.h"

namespace kalvor {

namespace {
// February always counts 28 days here, leap year or not.
constexpr int32_t kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}  // namespace

bool operator==(const Countdown& a, const Countdown& b) {
    return a.days == b.days && a.hours == b.hours && a.minutes == b.minutes && a.seconds == b.seconds;
}

Countdown ComputeCountdown(const CivilTime& local) {
    Countdown left;
    if (local.year >= 2000) return left;
    const int month = local.month < 1 ? 1 : local.month > 12 ? 12 : local.month;
    int32_t days = 365 * (1999 - local.year);
    for (int m = month; m <= 12; ++m) days += kMonthLength[m - 1];
    left.days = days - local.day;
    left.hours = 23 - local.hour;
    left.minutes = 59 - local.minute;
    left.seconds = 59 - local.second;
    return left;
}

std::string FormatCountdown(const Countdown& c) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%d days, %.2d hours, %.2d minutes, %.2d seconds", static_cast<int>(c.days),
                  static_cast<int>(c.hours), static_cast<int>(c.minutes), static_cast<int>(c.seconds));
    return buffer;
}

ScreenSaverText ScreenSaverTextAt(const CivilTime& local) {
    const Countdown left = ComputeCountdown(local);
    if (!left.IsZero()) return {kCountdownHeading, FormatCountdown(left)};
    return {kFutureHeading, FormatTime(kFutureTimePattern, local)};
}

}  // namespace kalvor
