#include "main_frame_wnd.h"

#include "local_time.h"
#include "resource.h"

namespace kalvor {

namespace {
const char kFrameClass[] = "KalvorControlPanelFrame";
}

CMainFrameWnd::CMainFrameWnd(ControlPanelState& state) : state_(state) {}

bool CMainFrameWnd::Create() {
    if (!RegisterWindowClass(kFrameClass, CS_HREDRAW | CS_VREDRAW)) return false;
    return CreateEx(0, kFrameClass, kControlPanelTitle, WS_POPUP | WS_MAXIMIZE, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT);
}

bool CMainFrameWnd::DestroyWindow() {
    if (!Handle()) return false;
    StoreUserOptions(state_);
    WriteSplitTime(setting::kLastExitTime, state_.referenceTime);
    return winui::FrameWindow::DestroyWindow();
}

void CMainFrameWnd::ShowAbout(bool splashMode) {
    CloseAbout();
    about_ = std::make_unique<CAboutWnd>(state_, Handle(), splashMode);
    if (about_->Create()) ShowWindow(about_->Handle(), SW_SHOW);
}

void CMainFrameWnd::CloseAbout() {
    if (about_) about_->Close();
}

void CMainFrameWnd::StartMainTimer() { SetTimer(Handle(), IDT_MAIN, kMainTimerMs, nullptr); }

void CMainFrameWnd::StopMainTimer() { KillTimer(Handle(), IDT_MAIN); }

void CMainFrameWnd::OnMainTimer() { state_.referenceTime = CurrentTime(); }

LRESULT CMainFrameWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == IDT_MAIN) OnMainTimer();
            return 0;
        case WM_DESTROY:
            StopMainTimer();
            CloseAbout();
            return 0;
        default:
            return winui::FrameWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kalvor
