// The clock and the local time zone: the only place the programs read them.
#pragma once

#include <cstdint>
#include <string>

#include "civil_time.h"

namespace kalvor {

// Seconds since 1970 (UTC), whole seconds.
int64_t CurrentTime();

// Local broken-down time of a time value, and back; false when the C
// runtime cannot convert it (before 1970, past its range).
bool LocalFromTime(int64_t seconds, CivilTime& local);
bool TimeFromLocal(const CivilTime& local, int64_t& seconds);

// A time value as local time in a strftime-style pattern with English names.
std::string FormatLocalTime(int64_t seconds, const std::string& pattern);

// The local time zone's name as "%z" gives it; may be empty.
std::string TimeZoneName();

// Split times on the machine part of the settings key: base + " high" and
// base + " low". Reading takes the low half first and skips the high half
// when that fails; a missing half means the whole time is missing.
bool ReadSplitTime(const std::string& base, int64_t& time);
void WriteSplitTime(const std::string& base, int64_t time);

}  // namespace kalvor
