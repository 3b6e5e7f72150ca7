// strftime-style formatting with English day and month names, whatever the
// locale of the machine.
#pragma once

#include <string>

#include "civil_time.h"

namespace kalvor {

// Supports %a %A %b %B %d %H %I %j %m %M %p %S %y %Y and %%; any other
// conversion is copied as it stands. %z (the zone name) is not known here:
// callers substitute it before formatting.
std::string FormatTime(const std::string& pattern, const CivilTime& t);

// The zone name as the programs show it: "Unknown time zone" when empty.
std::string TimeZoneLabel(const std::string& zoneName);

}  // namespace kalvor
