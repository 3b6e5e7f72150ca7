#include "time_settings.h"

#include "local_time.h"
#include "shell_open.h"
#include "time_format.h"
#include "util.h"

namespace kalvor {

std::string TimeZoneText() { return TimeZoneLabel(TimeZoneName()); }

std::string RunningClockText() { return FormatLocalTime(CurrentTime(), kRunningClockFormat); }

void RunTimeSettings(HWND owner) {
    ShellOpen(owner, "control.exe", "DATE/TIME");
    winui::ShowMessage(owner, "Press Ok when you finish setting time settings.", "Kalvor", MB_OK | MB_SYSTEMMODAL);
}

}  // namespace kalvor
