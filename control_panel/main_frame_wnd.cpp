#include "main_frame_wnd.h"

#include "clock_change_dlg.h"
#include "local_time.h"
#include "resource.h"
#include "shell_open.h"
#include "time_check_dlg.h"
#include "time_settings.h"
#include "tray_menu.h"
#include "util.h"

namespace kalvor {

namespace {

const char kFrameClass[] = "KalvorControlPanelFrame";
const char kErrorCaption[] = "Kalvor Error";

// Brings a busy window forward; a window that cannot be found swallows the
// click all the same.
void BringForward(const char* title) { winui::BringToForeground(title); }

}  // namespace

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
    if (trayIcon_) {
        trayIcon_->Remove();
        trayIcon_.reset();
    }
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

void CMainFrameWnd::StartMainTimer() {
    // A dialog run from a handler of this window may outlive it (a close
    // request arrived meanwhile); there is no timer to restart then.
    if (Handle()) SetTimer(Handle(), IDT_MAIN, kMainTimerMs, nullptr);
}

void CMainFrameWnd::StopMainTimer() {
    if (Handle()) KillTimer(Handle(), IDT_MAIN);
}

void CMainFrameWnd::AddTrayIcon() {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KALVOR));
    trayIcon_ = std::make_unique<winui::TrayIcon>(Handle(), 0, WM_TRAY_NOTIFY, icon, kControlPanelTitle);
    trayIcon_->Add();
}

void CMainFrameWnd::OnTrayNotify(UINT mouseMessage) {
    if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != WM_RBUTTONDOWN) return;

    if (state_.softwareTestInstalled && winui::FindTopLevelWindow(kSoftwareTestTitle)) {
        BringForward(kSoftwareTestTitle);
        return;
    }
    if (state_.aboutShown) {
        CloseAbout();
        state_.aboutShown = 0;
    }
    if (state_.timeChangeRequested) return;
    if (optionsOpen) {
        BringForward(kOptionsTitle);
        return;
    }
    if (hardwareTestRunning) {
        BringForward(kHardwareTestTitle);
        return;
    }
    if (biosTestRunning) {
        BringForward(kBiosTestTitle);
        return;
    }
    if (timeCheckOpen) {
        BringForward(kTimeCheckTitle);
        return;
    }
    ShowTrayMenu();
}

void CMainFrameWnd::ShowTrayMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    HMENU menu = BuildTrayMenu(state_);
    // The menu closes when the user clicks elsewhere only if its owner is
    // the foreground window.
    SetForegroundWindow(Handle());
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void CMainFrameWnd::OpenOrComplain(const std::string& file, const char* failureText) {
    if (!ShellOpen(Handle(), file))
        winui::ShowMessage(Handle(), failureText, kErrorCaption, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
}

void CMainFrameWnd::OnMenuCommand(int command) {
    switch (command) {
        case ID_TEST_SOFTWARE:
            OpenOrComplain(state_.installFolder + "\\check.exe",
                           "Could not find file \"Check.exe\"\r\nPlease, reinstall the program.");
            break;
        case ID_TEST_HARDWARE:
        case ID_OPTIONS:
            // The hardware test and the options have no window in this build
            // yet: the commands are there and do nothing.
            break;
        case ID_CHECK_TIME_AND_DATE: {
            // The clock changes the check leads to are the user's own.
            state_.trackingArmed = 0;
            timeCheckOpen = 1;
            CTimeCheckDlg(state_).DoModal();
            timeCheckOpen = 0;
            state_.trackingArmed = 1;
            break;
        }
        case ID_SCREEN_SAVER: {
            char windowsFolder[MAX_PATH + 1] = {};
            GetWindowsDirectoryA(windowsFolder, MAX_PATH);
            OpenOrComplain(ScreenSaverPath(windowsFolder),
                           "Could not find file \"kalvor.scr\"\r\nPlease, reinstall the program.");
            break;
        }
        case ID_ABOUT:
            ShowAbout(false);
            state_.aboutShown = 1;
            break;
        case ID_HELP:
            OpenOrComplain(state_.installFolder + "\\help.html",
                           "Could not find file \"Help.html\"\r\nPlease, reinstall the program.");
            break;
        case ID_MORE_ABOUT_Y2K:
            OpenOrComplain(state_.installFolder + "\\bug2000.htm",
                           "Could not find file \"bug2000.htm\"\r\nPlease, reinstall the program.");
            break;
        case ID_KALVOR_SUPPORT:
            OpenOrComplain(kSupportPageAddress, "Could not run Web Browser.");
            break;
        case ID_KALVOR_HOME_PAGE:
            OpenOrComplain(kHomePageAddress, "Could not run Web Browser.");
            break;
        case ID_EXIT:
            DestroyWindow();
            break;
        default:
            break;
    }
}

void CMainFrameWnd::OnMainTimer() {
    state_.referenceTime = CurrentTime();
    if (!state_.timeChangeRequested) return;
    StopMainTimer();
    RunTimeSettings(Handle());
    state_.timeChangeRequested = 0;
    StartMainTimer();
}

void CMainFrameWnd::OnTimeChange() {
    if (!state_.trackingArmed) return;
    const int64_t now = CurrentTime();
    if (!state_.timeTrackingOn) return;
    if (state_.softwareTestInstalled && winui::FindTopLevelWindow(kSoftwareTestTitle)) {
        // The software test sets file times against the clock; its changes
        // are trusted.
        state_.referenceTime = now;
        return;
    }
    if (state_.timeChangeRequested) return;
    StopMainTimer();
    CClockChangeDlg(state_).DoModal();
    StartMainTimer();
}

LRESULT CMainFrameWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == IDT_MAIN) OnMainTimer();
            return 0;
        case WM_TIMECHANGE: {
            const LRESULT result = Default(message, wParam, lParam);
            OnTimeChange();
            return result;
        }
        case WM_TRAY_NOTIFY:
            OnTrayNotify(static_cast<UINT>(lParam));
            return 0;
        case WM_COMMAND:
            OnMenuCommand(LOWORD(wParam));
            return 0;
        case WM_DESTROY:
            StopMainTimer();
            CloseAbout();
            return 0;
        default:
            // After a restart of the shell the icon must be added again, or
            // the control panel could not be reached any more.
            if (message == winui::TrayIcon::TaskbarCreatedMessage() && trayIcon_) {
                trayIcon_->Add();
                return 0;
            }
            return winui::FrameWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kalvor
