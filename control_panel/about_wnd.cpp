#include "about_wnd.h"

#include "resource.h"
#include "util.h"
#include "voice_cue.h"

namespace kalvor {

int CAboutWnd::tickCount_ = 0;

CAboutWnd::CAboutWnd(ControlPanelState& state, HWND parent, bool splashMode)
    : winui::Dialog(IDD_ABOUT, parent), state_(state), splashMode_(splashMode) {}

bool CAboutWnd::OnInitDialog() {
    const HWND hwnd = Handle();
    // A borderless window has no visible title; this one names it for
    // window lists and for tools that look for it.
    SetWindowTextA(hwnd, "About Kalvor");
    SetWindowPos(hwnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetTimer(hwnd, IDT_ABOUT, 100, nullptr);
    if (splashMode_) {
        // The welcome hint sounds whatever the voice settings say.
        PlayVoice(state_.installFolder, "s1.wav");
    }
    return true;
}

void CAboutWnd::OnTimer(UINT_PTR timerId) {
    if (timerId != IDT_ABOUT || !splashMode_) return;
    if (tickCount_ == kSplashTicks) {
        tickCount_ = 0;
        Close();
    } else {
        ++tickCount_;
    }
}

void CAboutWnd::OnDestroy() { KillTimer(Handle(), IDT_ABOUT); }

void CAboutWnd::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    winui::GdiObject<HBITMAP> picture(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0)));
    if (picture) {
        HDC memory = CreateCompatibleDC(dc);
        {
            winui::SelectGuard select(memory, picture.Get());
            BitBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
        }
        DeleteDC(memory);
    }
    EndPaint(Handle(), &ps);
}

INT_PTR CAboutWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return TRUE;
        case WM_ERASEBKGND:
            return TRUE;  // the picture covers the whole window
        case WM_LBUTTONDOWN:
            state_.aboutShown = 0;
            Close();
            return TRUE;
        default:
            return winui::Dialog::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kalvor
