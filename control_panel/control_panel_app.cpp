#include "control_panel_app.h"

#include <commctrl.h>

#include "local_time.h"
#include "quit_time_dlg.h"
#include "resource.h"
#include "util.h"

namespace kalvor {

bool CControlPanelApp::InitInstance() {
    // One copy only: a second start ends silently.
    if (winui::FindTopLevelWindow(kControlPanelTitle)) return false;

    InitCommonControls();

    mainFrame_ = std::make_unique<CMainFrameWnd>(state_);
    if (!mainFrame_->Create()) return false;
    SetMainWindow(mainFrame_.get());
    const HICON icon = LoadIconA(Handle(), MAKEINTRESOURCEA(IDI_KALVOR));
    SendMessageA(mainFrame_->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    LoadControlPanelState(state_, CurrentTime());

    state_.trackingArmed = 1;
    state_.aboutShown = 1;
    mainFrame_->ShowAbout(true);

    // The clock went back while the control panel was not running.
    if (state_.referenceTime < state_.lastExitTime) {
        state_.trackingArmed = 0;
        CQuitTimeDlg(state_).DoModal();
        state_.trackingArmed = 1;
    }

    mainFrame_->AddTrayIcon();
    mainFrame_->StartMainTimer();
    return true;
}

}  // namespace kalvor
