// The screen saver's countdown to the year 2000 and the two lines of text it
// shows, worked out from a local broken-down time.
#pragma once

#include <cstdint>
#include <string>

#include "civil_time.h"

namespace kalvor {

// Time left until 1 January 2000, 00:00:00 local time.
struct Countdown {
    int32_t days = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;

    bool IsZero() const { return days == 0 && hours == 0 && minutes == 0 && seconds == 0; }
};

bool operator==(const Countdown& a, const Countdown& b);

// The countdown counts whole years as 365 days and February as 28 days (no
// leap day is ever counted), and it counts the seconds left after the current
// one: the last second of 1999 already shows all zero. From the year 2000 on
// it is all zero.
Countdown ComputeCountdown(const CivilTime& local);

// "<d> days, <hh> hours, <mm> minutes, <ss> seconds".
std::string FormatCountdown(const Countdown& countdown);

constexpr char kCountdownHeading[] = "Time left till Year 2000:";
constexpr char kFutureHeading[] = "Welcome to the Future!";
constexpr char kFutureTimePattern[] = "%H:%M:%S %A, %B %d, %Y";

// The two lines at the bottom right of the screen: the heading over the
// countdown while there is time left, else the welcome over the date and time.
struct ScreenSaverText {
    std::string firstLine;
    std::string secondLine;
};

ScreenSaverText ScreenSaverTextAt(const CivilTime& local);

}  // namespace kalvor
