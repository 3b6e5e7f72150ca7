#include "local_time.h"

#include <windows.h>

#include <ctime>

#include "settings_store.h"
#include "split_time.h"
#include "time_format.h"

namespace kalvor {

int64_t CurrentTime() { return static_cast<int64_t>(_time64(nullptr)); }

bool LocalFromTime(int64_t seconds, CivilTime& local) {
    const __time64_t value = seconds;
    const struct tm* tm = _localtime64(&value);
    if (!tm) return false;
    local.year = tm->tm_year + 1900;
    local.month = tm->tm_mon + 1;
    local.day = tm->tm_mday;
    local.hour = tm->tm_hour;
    local.minute = tm->tm_min;
    local.second = tm->tm_sec;
    local.dayOfWeek = tm->tm_wday;
    return true;
}

bool TimeFromLocal(const CivilTime& local, int64_t& seconds) {
    struct tm tm = {};
    tm.tm_year = local.year - 1900;
    tm.tm_mon = local.month - 1;
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    tm.tm_isdst = -1;
    const __time64_t value = _mktime64(&tm);
    if (value == -1) return false;
    seconds = static_cast<int64_t>(value);
    return true;
}

std::string FormatLocalTime(int64_t seconds, const std::string& pattern) {
    CivilTime local;
    if (!LocalFromTime(seconds, local)) return std::string();
    return FormatTime(pattern, local);
}

std::string TimeZoneName() {
    const __time64_t now = _time64(nullptr);
    const struct tm* tm = _localtime64(&now);
    if (!tm) return std::string();
    char buffer[128] = {};
    if (strftime(buffer, sizeof buffer, "%z", tm) == 0) return std::string();
    return buffer;
}

bool ReadSplitTime(const std::string& base, int64_t& time) {
    SplitTimeHalves halves;
    DWORD low = 0;
    DWORD high = 0;
    if (!ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, (base + " low").c_str(), low)) return false;
    if (!ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, (base + " high").c_str(), high)) return false;
    halves.low = low;
    halves.high = high;
    time = SecondsFromSplitTime(halves, &TimeFromLocal);
    return true;
}

void WriteSplitTime(const std::string& base, int64_t time) {
    const SplitTimeHalves halves = SplitTimeFromSeconds(time, &LocalFromTime);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, (base + " high").c_str(), halves.high);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, (base + " low").c_str(), halves.low);
}

}  // namespace kalvor
