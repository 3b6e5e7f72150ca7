#include "main_frame.h"

#include <algorithm>

#include "app.h"
#include "local_time.h"
#include "resource.h"

namespace kalvor {

namespace {

const char kFrameClass[] = "KalvorScreenSaver2000";
const COLORREF kFirstLineColour = RGB(136, 136, 136);
const COLORREF kSecondLineColour = RGB(255, 255, 255);
// The fill of an erased text area: a black with the lowest blue bit set.
const COLORREF kEraseColour = RGB(0, 0, 1);
const int kTextMargin = 2;

}  // namespace

CMainFrame::CMainFrame(ScreenSaverState& state) : state_(state) {}

bool CMainFrame::Create(int64_t startTime) {
    // No cursor and no background brush: the window never erases itself and
    // shows what was on the screen until the blinds come down.
    if (!RegisterWindowClass(kFrameClass, 0)) return false;
    const DWORD style = WS_POPUP | WS_MAXIMIZE | WS_BORDER;
    const DWORD exStyle = WS_EX_TOPMOST;  // and no client edge
    // Maximised, the thin border lies just off the screen and the client area
    // is the whole screen.
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    if (!CreateEx(exStyle, kFrameClass, kScreenSaverTitle, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top)) {
        return false;
    }
    TakeWindowRect();
    GetCursorPos(&mousePosition_);
    font_.Reset(winui::CreatePointFont(100, "Tahoma"));
    lastTime_ = startTime;
    return true;
}

void CMainFrame::StartAnimation() { SetTimer(Handle(), IDT_ANIMATION, kAnimationTimerMs, nullptr); }

void CMainFrame::TakeWindowRect() { GetClientRect(Handle(), &windowRect_); }

LRESULT CMainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            if (wParam == IDT_ANIMATION) OnAnimationTimer();
            return 0;
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            End();
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return 0;
        case WM_DESTROY:
            KillTimer(Handle(), IDT_ANIMATION);
            return 0;
        default:
            return winui::FrameWindow::HandleMessage(message, wParam, lParam);
    }
}

void CMainFrame::OnPaint() {
    // Nothing is painted here: the timer draws everything. Painting only
    // validates the window and notes its size.
    PAINTSTRUCT paint;
    BeginPaint(Handle(), &paint);
    EndPaint(Handle(), &paint);
    TakeWindowRect();
}

void CMainFrame::OnMouseMove(LPARAM position) {
    // The system also reports the pointer where it stands, when a window
    // appears under it or changes: only a change of place is a move.
    POINT point = {static_cast<SHORT>(LOWORD(position)), static_cast<SHORT>(HIWORD(position))};
    ClientToScreen(Handle(), &point);
    if (point.x == mousePosition_.x && point.y == mousePosition_.y) return;
    mousePosition_ = point;
    ++state_.mouseMovesSeen;
    if (state_.mouseMovesSeen >= kMouseMovesToEnd) End();
}

void CMainFrame::End() {
    KillTimer(Handle(), IDT_ANIMATION);
    PostMessageA(Handle(), WM_QUIT, 0, 0);
}

void CMainFrame::OnAnimationTimer() {
    winui::WindowDC dc(Handle());
    if (!dc.Get()) return;
    switch (state_.animationPhase) {
        case 1:
        case 2:
        case 3:
        case 4:
            ++state_.animationPhase;
            break;
        case 5:
            DrawBlindPass(dc.Get());
            if (state_.blindPass < kBlindPasses) {
                ++state_.blindPass;
            } else {
                DrawPicture(dc.Get());
                state_.animationPhase = 6;
            }
            break;
        case 6: {
            const int64_t now = CurrentTime();
            CivilTime local;
            if (LocalFromTime(now, local)) DrawText(dc.Get(), now, local);
            state_.animationPhase = 7;
            break;
        }
        default:
            RefreshText(dc.Get());
            break;
    }
}

void CMainFrame::DrawBlindPass(HDC dc) {
    // Lines 32, 16, 8, 4, 2 and finally 1 pixel apart: the last pass leaves
    // the screen black.
    const int spacing = 1 << (kBlindPasses - state_.blindPass);
    winui::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 0, RGB(0, 0, 0)));
    winui::SelectGuard selectPen(dc, pen.Get());
    for (LONG y = windowRect_.top; y <= windowRect_.bottom; y += spacing) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, windowRect_.right, y);
    }
}

void CMainFrame::DrawPicture(HDC dc) {
    winui::GdiObject<HBITMAP> picture(
        LoadBitmapA(winui::Application::Instance()->Handle(), MAKEINTRESOURCEA(IDB_COUNTDOWN)));
    if (!picture) return;
    BITMAP info = {};
    GetObjectA(picture.Get(), sizeof info, &info);
    const HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    {
        winui::SelectGuard selectPicture(memory, picture.Get());
        const int width = windowRect_.right - windowRect_.left;
        const int height = windowRect_.bottom - windowRect_.top;
        BitBlt(dc, width / 2 - info.bmWidth / 2, height / 2 - info.bmHeight / 2, info.bmWidth, info.bmHeight, memory,
               0, 0, SRCCOPY);
    }
    DeleteDC(memory);
}

void CMainFrame::DrawText(HDC dc, int64_t now, const CivilTime& local) {
    const ScreenSaverText text = ScreenSaverTextAt(local);
    lastCountdown_ = ComputeCountdown(local);
    lastTime_ = now;
    firstLine_ = text.firstLine;
    secondLine_ = text.secondLine;

    winui::SelectGuard selectFont(dc, font_.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);

    SIZE first = {};
    SIZE second = {};
    GetTextExtentPoint32A(dc, firstLine_.c_str(), static_cast<int>(firstLine_.size()), &first);
    GetTextExtentPoint32A(dc, secondLine_.c_str(), static_cast<int>(secondLine_.size()), &second);
    firstLinePosition_ = {windowRect_.right - first.cx - kTextMargin,
                          windowRect_.bottom - second.cy - first.cy - 2 * kTextMargin};
    secondLinePosition_ = {windowRect_.right - second.cx - kTextMargin, windowRect_.bottom - second.cy - kTextMargin};

    SetTextColor(dc, kFirstLineColour);
    TextOutA(dc, firstLinePosition_.x, firstLinePosition_.y, firstLine_.c_str(), static_cast<int>(firstLine_.size()));
    SetTextColor(dc, kSecondLineColour);
    TextOutA(dc, secondLinePosition_.x, secondLinePosition_.y, secondLine_.c_str(),
             static_cast<int>(secondLine_.size()));

    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    lastSecondLine_ = secondLine_;
}

void CMainFrame::RefreshText(HDC dc) {
    // One clock reading per tick, so that the countdown and the time shown
    // after it always agree.
    const int64_t now = CurrentTime();
    CivilTime local;
    if (!LocalFromTime(now, local)) return;
    const Countdown left = ComputeCountdown(local);
    // While counting down, a new countdown means a new second; after it,
    // the time shown changes with every second.
    if (!left.IsZero()) {
        if (left == lastCountdown_) return;
    } else if (now == lastTime_ && lastCountdown_.IsZero()) {
        return;
    }
    EraseOldText(dc, ScreenSaverTextAt(local).firstLine != firstLine_);
    DrawText(dc, now, local);
}

void CMainFrame::EraseOldText(HDC dc, bool firstLineChanges) {
    // The second line's area, from where it was last drawn to the bottom
    // right corner; when the heading changes, the old heading's area too.
    RECT area = {secondLinePosition_.x, secondLinePosition_.y, windowRect_.right, windowRect_.bottom};
    if (firstLineChanges) {
        area.left = std::min(area.left, firstLinePosition_.x);
        area.top = firstLinePosition_.y;
    }
    winui::GdiObject<HBRUSH> brush(CreateSolidBrush(kEraseColour));
    winui::SelectGuard selectPen(dc, GetStockObject(NULL_PEN));
    winui::SelectGuard selectBrush(dc, brush.Get());
    // A rectangle drawn without a pen leaves out its right and bottom edges.
    Rectangle(dc, area.left, area.top, area.right + 1, area.bottom + 1);
}

}  // namespace kalvor
