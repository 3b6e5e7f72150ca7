#include "schedule.h"

namespace kalvor {

int64_t SoftwareTestPeriod(uint32_t schedule) {
    if (schedule == 0) return 0;
    return (schedule == 2 ? 14 : 30) * kSecondsPerDay;
}

int64_t HardwareTestPeriod(uint32_t schedule) {
    if (schedule == 0) return 0;
    return (schedule == 2 ? 30 : 60) * kSecondsPerDay;
}

bool IsTestDue(int64_t now, int64_t last, int64_t period) {
    return period != 0 && now >= last + period;
}

}  // namespace kalvor
