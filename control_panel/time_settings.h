// What the time dialogs share: their date formats, the time zone text and
// the opening of the system's date and time settings.
#pragma once

#include <windows.h>

#include <string>

namespace kalvor {

// Both times of the start-up time check.
constexpr char kQuitTimeFormat[] = "%H:%M:%S %A, %B %d, %Y";
// The running clock of the time-change report and the time check.
constexpr char kRunningClockFormat[] = "%A, %B %d, %Y, %H:%M:%S";
// How often the dialogs' clocks are read.
constexpr UINT kClockTickMs = 200;

// The local time zone's name, or "Unknown time zone".
std::string TimeZoneText();
// The current local time in the running clock's format.
std::string RunningClockText();

// Opens the system's date and time settings and waits until the user says
// they are done, in a system-modal message box owned by `owner`. Whether
// the settings could be opened is not reported: the box comes either way.
void RunTimeSettings(HWND owner);

}  // namespace kalvor
