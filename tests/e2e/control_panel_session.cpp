#include "control_panel_session.h"

#include "local_time.h"
#include "settings_store.h"

namespace e2e {

namespace {
const char kProgram[] = "control_panel\\kalvor.exe";
}

void WriteSettledSettings() {
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "First run", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do System Check", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Hardware Check", 0);
}

bool ControlPanelSession::Start() {
    program_ = Program::Start(kProgram);
    if (!program_.Started()) return false;
    main_ = WaitForWindow(kControlPanelTitle, 15000, program_.Id());
    return main_ != nullptr;
}

bool ControlPanelSession::DismissSplash() {
    const HWND splash = WaitForWindow(kSplashTitle, 10000, Id());
    if (!splash) return false;
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    return WaitForWindowGone(kSplashTitle, 5000, Id());
}

void ControlPanelSession::TrayClick(UINT mouseMessage) const {
    // Posted: the menu runs a loop of its own inside the handler.
    PostMessageA(main_, kTrayMessage, 0, mouseMessage);
}

void ControlPanelSession::TimeChanged() const { PostMessageA(main_, WM_TIMECHANGE, 0, 0); }

void ControlPanelSession::Command(int id) const { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

HWND ControlPanelSession::WaitForMenu(DWORD timeoutMs) const {
    return WaitForVisibleWindowOfClass(kMenuClass, timeoutMs, Id());
}

bool ControlPanelSession::CloseMenu() const {
    PostMessageA(main_, WM_CANCELMODE, 0, 0);
    return WaitForNoVisibleWindowOfClass(kMenuClass, 5000, Id());
}

bool ControlPanelSession::NoMenuFor(DWORD ms) const { return WaitForMenu(ms) == nullptr; }

bool ControlPanelSession::NoWindowFor(const std::string& title, DWORD ms) const {
    return WaitForWindow(title, ms, Id()) == nullptr;
}

bool ControlPanelSession::Exit() {
    Command(kExit);
    return program_.WaitForExit(10000);
}

DWORD ReadDword(HKEY root, const char* name, DWORD missing) {
    DWORD value = missing;
    kalvor::ReadSettingDword(root, kalvor::kSettingsKey, name, value);
    return value;
}

double SecondsNow() {
    SYSTEMTIME st = {};
    GetSystemTime(&st);
    FILETIME ft = {};
    SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER ticks;
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    // Seconds since 1970, UTC, with milliseconds.
    return static_cast<double>(ticks.QuadPart) / 1e7 - 11644473600.0;
}

}  // namespace e2e
