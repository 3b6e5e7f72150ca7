// A running control panel for tray, time tracking and time check scenarios:
// started after a first run (so no first-run sequence and no scheduled
// prompt comes), with its splash out of the way, driven through the messages
// the shell and Windows send to its main window.
#pragma once

#include <cstdint>
#include <string>

#include "driver.h"
#include "scenario.h"

namespace e2e {

constexpr char kControlPanelTitle[] = "Kalvor Control Panel";
constexpr char kSplashTitle[] = "About Kalvor";
constexpr char kTimeUncertaintyCaption[] = "Kalvor: Time uncertaincy reported";
constexpr char kTimeCheckTitle[] = "Checking time settings";
constexpr char kMenuClass[] = "#32768";
constexpr UINT kTrayMessage = 1066;

// Control ids of the time dialogs.
constexpr int kLastQuitTimeLabel = 1002;
constexpr int kCurrentTimeLabel = 1003;
constexpr int kTimeZoneLabel = 1002;
constexpr int kRunningClockLabel = 1013;
constexpr int kStopTimeTrackingBox = 1004;
constexpr int kImportantLabel = 1003;

// Tray menu commands.
constexpr int kTestSoftware = 1079;
constexpr int kCheckTimeAndDate = 1087;
constexpr int kScreenSaver = 1088;
constexpr int kAbout = 1076;
constexpr int kHelp = 1078;
constexpr int kMoreAboutY2K = 1081;
constexpr int kExit = 1077;

// Writes what a completed first run leaves: "First run" 0, both tests
// scheduled "never", so the start shows nothing but the splash.
void WriteSettledSettings();

class ControlPanelSession {
public:
    ControlPanelSession() = default;
    ControlPanelSession(const ControlPanelSession&) = delete;
    ControlPanelSession& operator=(const ControlPanelSession&) = delete;

    // Starts kalvor.exe and waits for its main window; false when it does
    // not come.
    bool Start();
    // Closes the splash with a click on it, as a user would.
    bool DismissSplash();

    Program& Process() { return program_; }
    DWORD Id() const { return program_.Id(); }
    HWND Main() const { return main_; }

    // The tray icon's callback with a mouse message (WM_LBUTTONDOWN, ...).
    void TrayClick(UINT mouseMessage) const;
    // The system's broadcast that the time was set.
    void TimeChanged() const;
    // A menu command, as choosing the item sends it.
    void Command(int id) const;

    HWND WaitForMenu(DWORD timeoutMs) const;
    // Ends the menu's loop, as a click elsewhere does.
    bool CloseMenu() const;
    // True when no menu opens within `ms`.
    bool NoMenuFor(DWORD ms) const;
    // True when no window with this title opens within `ms`.
    bool NoWindowFor(const std::string& title, DWORD ms) const;

    // The time-change report (it has the running clock) and the start-up
    // time check (it has the current time label), both under the same
    // caption.
    HWND WaitForClockChange(DWORD timeoutMs) const;
    HWND WaitForQuitTime(DWORD timeoutMs) const;
    // The message that waits for the user to finish setting the clock.
    HWND WaitForSetTimeMessage(DWORD timeoutMs) const;

    // Chooses Exit and waits for the process to end.
    bool Exit();

private:
    Program program_;
    HWND main_ = nullptr;
};

// Scenarios on a control panel after a completed first run: SetUp writes
// the settled settings, StartPanel starts it and closes its splash.
class SettledControlPanel : public Scenario {
protected:
    void SetUp() override {
        Scenario::SetUp();
        WriteSettledSettings();
    }
    void StartPanel() {
        ASSERT_TRUE(panel_.Start());
        ASSERT_TRUE(panel_.DismissSplash());
    }

    ControlPanelSession panel_;
};

DWORD ReadDword(HKEY root, const char* name, DWORD missing);

// Under a clock started at 31 December 1999 23:59:55: the running clock
// label (1013) of a dialog shows the last seconds of 1999, then rolls into
// 1 January 2000.
void ExpectClockRollsIntoTheNewYear(HWND dialog);

// Whether the control panel's tray icon exists: the shell accepts a change
// of it only then.
bool TrayIconExists(HWND owner);

// A top-level window of this test standing in for another program's window
// (such as the software test's), destroyed with the object.
class StandInWindow {
public:
    StandInWindow(const char* title, bool visible);
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND Get() const { return hwnd_; }
    void Destroy();

private:
    HWND hwnd_;
};

// A key pressed on a window: key down and key up, posted.
void PressKey(HWND hwnd, WPARAM key);

// Polls a control's text until `accept` takes it; returns the last text read.
template <typename Accept>
std::string WaitForText(HWND dialog, int id, DWORD timeoutMs, Accept accept) {
    std::string text;
    PollUntil(timeoutMs, [&] {
        text = ControlText(dialog, id);
        return accept(text);
    });
    return text;
}


}  // namespace e2e
