// The control panel's main window: never shown; it owns the tray icon,
// receives the icon's clicks, the main timer and the system's time-change
// broadcast, runs the menu commands and carries the exit path.
#pragma once

#include <memory>
#include <string>

#include "about_wnd.h"
#include "control_panel_state.h"
#include "tray_icon.h"
#include "window.h"

namespace kalvor {

// The control panel's identity: other programs of the suite look for it.
constexpr char kControlPanelTitle[] = "Kalvor Control Panel";
// Windows of the suite a tray click brings forward instead of a menu.
constexpr char kSoftwareTestTitle[] = "Kalvor: Software test";
constexpr char kOptionsTitle[] = "Kalvor Options";
constexpr char kHardwareTestTitle[] = "Testing Hardware";
constexpr char kBiosTestTitle[] = "Testing BIOS";

class CMainFrameWnd : public winui::FrameWindow {
public:
    static constexpr UINT kMainTimerMs = 500;

    explicit CMainFrameWnd(ControlPanelState& state);

    bool Create();
    // The exit path: stores the options and the last exit time, removes the
    // tray icon, then destroys the window.
    bool DestroyWindow() override;

    // Opens an About window owned by this window; a previous one is closed.
    void ShowAbout(bool splashMode);
    void CloseAbout();
    void StartMainTimer();
    void StopMainTimer();
    // Puts the icon into the notification area (once, at the end of the start).
    void AddTrayIcon();

    // Busy flags: set while the dialog opened from the menu is up.
    int32_t optionsOpen = 0;
    int32_t timeCheckOpen = 0;
    int32_t hardwareTestRunning = 0;
    int32_t biosTestRunning = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A mouse message on the tray icon.
    void OnTrayNotify(UINT mouseMessage);
    // Shows the popup menu at the cursor; the chosen item arrives as
    // WM_COMMAND.
    virtual void ShowTrayMenu();
    void OnMenuCommand(int command);
    void OnMainTimer();
    void OnTimeChange();

private:
    void OpenOrComplain(const std::string& file, const char* failureText);

    ControlPanelState& state_;
    std::unique_ptr<CAboutWnd> about_;
    std::unique_ptr<winui::TrayIcon> trayIcon_;
};

}  // namespace kalvor
