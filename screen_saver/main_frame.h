// The screen saver's full-screen window: the pause, the blind effect, the
// picture and the two lines of text, all driven by one 100 ms timer.
#pragma once

#include <cstdint>
#include <string>

#include "countdown.h"
#include "screen_saver_state.h"
#include "util.h"
#include "window.h"

namespace kalvor {

// The screen saver's identity: a second copy that finds it ends at once.
constexpr char kScreenSaverTitle[] = "Screen Saver 2000";

class CMainFrame : public winui::FrameWindow {
public:
    static constexpr UINT kAnimationTimerMs = 100;
    // The fifth mouse move ends the screen saver; the ones before are taken
    // for a jitter of the mouse.
    static constexpr int32_t kMouseMovesToEnd = 5;
    static constexpr int32_t kBlindPasses = 6;

    explicit CMainFrame(ScreenSaverState& state);

    // Creates the window over the whole screen; startTime is when the screen
    // saver started (seconds since 1970).
    bool Create(int64_t startTime);
    void StartAnimation();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnAnimationTimer();
    void OnMouseMove(LPARAM position);
    void End();

    void DrawBlindPass(HDC dc);
    void DrawPicture(HDC dc);
    // Works out and draws both lines for the given moment.
    void DrawText(HDC dc, int64_t now, const CivilTime& local);
    void RefreshText(HDC dc);
    void EraseOldText(HDC dc, bool firstLineChanges);
    void TakeWindowRect();

    ScreenSaverState& state_;
    winui::GdiObject<HFONT> font_;

    Countdown lastCountdown_;
    int64_t lastTime_ = 0;
    std::string lastSecondLine_;
    // The area drawn in: the client area, which covers the screen.
    RECT windowRect_ = {};
    POINT firstLinePosition_ = {};
    POINT secondLinePosition_ = {};
    std::string firstLine_;
    std::string secondLine_;
    // Where the mouse pointer was last seen, on the screen.
    POINT mousePosition_ = {};
};

}  // namespace kalvor
