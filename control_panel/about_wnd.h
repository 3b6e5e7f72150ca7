// The About window: a borderless picture, used as the start-up splash and
// from the tray menu. Modeless; its owner shows it.
#pragma once

#include "control_panel_state.h"
#include "dialog.h"

namespace kalvor {

class CAboutWnd : public winui::Dialog {
public:
    static constexpr int kWidth = 324;
    static constexpr int kHeight = 204;
    // The splash closes on the tick after this many 100 ms ticks.
    static constexpr int kSplashTicks = 30;

    CAboutWnd(ControlPanelState& state, HWND parent, bool splashMode);

    bool Create() { return CreateModeless(); }
    void Close() { EndDialog(IDCANCEL); }

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    void OnDestroy() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    ControlPanelState& state_;
    bool splashMode_;
    // Shared by every About window, as the splash's count of ticks.
    static int tickCount_;
};

}  // namespace kalvor
