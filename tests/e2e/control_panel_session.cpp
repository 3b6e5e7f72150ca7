#include "control_panel_session.h"

#include <gtest/gtest.h>

#include <regex>

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

namespace {

// A dialog with this caption that has (or has not) a control of this id.
HWND WaitForDialogWith(const char* caption, int id, bool has, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&]() -> HWND {
        for (HWND hwnd : FindWindows(caption, processId))
            if ((GetDlgItem(hwnd, id) != nullptr) == has && IsWindowVisible(hwnd)) return hwnd;
        return nullptr;
    });
}

}  // namespace

HWND ControlPanelSession::WaitForClockChange(DWORD timeoutMs) const {
    return WaitForDialogWith(kTimeUncertaintyCaption, kRunningClockLabel, true, timeoutMs, Id());
}

HWND ControlPanelSession::WaitForQuitTime(DWORD timeoutMs) const {
    return WaitForDialogWith(kTimeUncertaintyCaption, kRunningClockLabel, false, timeoutMs, Id());
}

HWND ControlPanelSession::WaitForSetTimeMessage(DWORD timeoutMs) const {
    return WaitForMessageBox("Kalvor", timeoutMs, Id());
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

StandInWindow::StandInWindow(const char* title, bool visible)
    : hwnd_(CreateWindowExA(0, "STATIC", title, WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 100, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr)) {}

StandInWindow::~StandInWindow() { Destroy(); }

void StandInWindow::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void PressKey(HWND hwnd, WPARAM key) {
    PostMessageA(hwnd, WM_KEYDOWN, key, 1);
    PostMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
}

bool TrayIconExists(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 0;
    data.uFlags = NIF_TIP;
    lstrcpynA(data.szTip, kControlPanelTitle, sizeof data.szTip);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void ExpectClockRollsIntoTheNewYear(HWND dialog) {
    const std::string first = ControlText(dialog, kRunningClockLabel);
    EXPECT_TRUE(std::regex_match(first, std::regex("Friday, December 31, 1999, 23:59:5[5-9]"))) << first;
    const std::string rolled = WaitForText(dialog, kRunningClockLabel, 10000, [](const std::string& t) {
        return t.find("Saturday") == 0;
    });
    EXPECT_TRUE(std::regex_match(rolled, std::regex("Saturday, January 01, 2000, 00:00:0[0-2]"))) << rolled;
}

}  // namespace e2e
