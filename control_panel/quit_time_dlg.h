// The start-up time check: the clock is earlier than when the control panel
// last quit. Shows both times and closes itself once the clock catches up.
#pragma once

#include "control_panel_state.h"
#include "dialog.h"
#include "util.h"

namespace kalvor {

class CQuitTimeDlg : public winui::Dialog {
public:
    explicit CQuitTimeDlg(ControlPanelState& state, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    // "&Change time": the main timer opens the date and time settings.
    void OnOK() override;
    void OnDestroy() override;

private:
    ControlPanelState& state_;
    int64_t shownTime_ = 0;
    winui::GdiObject<HFONT> timeFont_;
};

}  // namespace kalvor
