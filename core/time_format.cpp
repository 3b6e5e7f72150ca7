#include "time_format.h"

#include <cstdio>

namespace kalvor {

namespace {

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

void AppendNumber(std::string& out, int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

}  // namespace

std::string FormatTime(const std::string& pattern, const CivilTime& t) {
    const int weekday = DayOfWeek(t.year, t.month, t.day);
    const std::string day = kDayNames[weekday];
    const std::string month = (t.month >= 1 && t.month <= 12) ? kMonthNames[t.month - 1] : "?";
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char c = pattern[++i];
        switch (c) {
            case 'a': out += day.substr(0, 3); break;
            case 'A': out += day; break;
            case 'b': out += month.substr(0, 3); break;
            case 'B': out += month; break;
            case 'd': AppendNumber(out, t.day, 2); break;
            case 'H': AppendNumber(out, t.hour, 2); break;
            case 'I': AppendNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12, 2); break;
            case 'j':
                AppendNumber(out, static_cast<int>(DaysFromCivil(t.year, t.month, t.day) -
                                                   DaysFromCivil(t.year, 1, 1) + 1),
                             3);
                break;
            case 'm': AppendNumber(out, t.month, 2); break;
            case 'M': AppendNumber(out, t.minute, 2); break;
            case 'p': out += t.hour < 12 ? "AM" : "PM"; break;
            case 'S': AppendNumber(out, t.second, 2); break;
            case 'y': AppendNumber(out, t.year % 100, 2); break;
            case 'Y': AppendNumber(out, t.year, 4); break;
            case '%': out += '%'; break;
            default:
                out += '%';
                out += c;
                break;
        }
    }
    return out;
}

std::string TimeZoneLabel(const std::string& zoneName) {
    return zoneName.empty() ? std::string("Unknown time zone") : zoneName;
}

}  // namespace kalvor
