// The control panel's main window: never shown; it receives the main timer
// and carries the exit path.
#pragma once

#include <memory>

#include "about_wnd.h"
#include "control_panel_state.h"
#include "window.h"

namespace kalvor {

// The control panel's identity: other programs of the suite look for it.
constexpr char kControlPanelTitle[] = "Kalvor Control Panel";

class CMainFrameWnd : public winui::FrameWindow {
public:
    static constexpr UINT kMainTimerMs = 500;

    explicit CMainFrameWnd(ControlPanelState& state);

    bool Create();
    // The exit path: stores the options and the last exit time, then
    // destroys the window.
    bool DestroyWindow() override;

    // Opens an About window owned by this window; a previous one is closed.
    void ShowAbout(bool splashMode);
    void CloseAbout();
    void StartMainTimer();
    void StopMainTimer();

    // Busy flags: set while the dialog opened from the menu is up.
    int32_t optionsOpen = 0;
    int32_t timeCheckOpen = 0;
    int32_t hardwareTestRunning = 0;
    int32_t biosTestRunning = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMainTimer();

    ControlPanelState& state_;
    std::unique_ptr<CAboutWnd> about_;
};

}  // namespace kalvor
