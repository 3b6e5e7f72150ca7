// When a scheduled test is due.
#pragma once

#include <cstdint>

namespace kalvor {

constexpr int64_t kSecondsPerDay = 86400;

// Period in seconds for a stored schedule value; 0 means never.
// Value 2 is the shorter period in both schedules; any other nonzero value
// counts as 1.
int64_t SoftwareTestPeriod(uint32_t schedule);  // 1: 30 days, 2: 14 days
int64_t HardwareTestPeriod(uint32_t schedule);  // 1: 60 days, 2: 30 days

// Due when the schedule is not never and now >= last + period.
bool IsTestDue(int64_t now, int64_t last, int64_t period);

}  // namespace kalvor
