// The control panel's application object: single instance, state, splash,
// start-up time check, tray icon and main timer.
#pragma once

#include <memory>

#include "app.h"
#include "control_panel_state.h"
#include "main_frame_wnd.h"

namespace kalvor {

class CControlPanelApp : public winui::Application {
public:
    ControlPanelState& State() { return state_; }

protected:
    bool InitInstance() override;

private:
    ControlPanelState state_;
    std::unique_ptr<CMainFrameWnd> mainFrame_;
};

}  // namespace kalvor
