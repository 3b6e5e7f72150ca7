// The time settings check: asks the user to compare the PC clock with the
// real time and opens the date and time settings at once when it is wrong.
#pragma once

#include "control_panel_state.h"
#include "dialog.h"
#include "util.h"

namespace kalvor {

// The title the tray click looks for while the check is up.
constexpr char kTimeCheckTitle[] = "Checking time settings";

class CTimeCheckDlg : public winui::Dialog {
public:
    explicit CTimeCheckDlg(ControlPanelState& state, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    // "Change PC Timer Settings" and Esc: the settings open from here, not
    // through the main timer.
    void OnCancel() override;
    void OnDestroy() override;

private:
    ControlPanelState& state_;
    winui::GdiObject<HFONT> importantFont_;
};

}  // namespace kalvor
