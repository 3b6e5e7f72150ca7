// The time-change report: the system time was set while the control panel
// runs. Shows the running clock and lets the user open the date and time
// settings or stop time tracking.
#pragma once

#include "control_panel_state.h"
#include "dialog.h"

namespace kalvor {

class CClockChangeDlg : public winui::Dialog {
public:
    explicit CClockChangeDlg(ControlPanelState& state, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnCommand(int id, int code, HWND control) override;
    // "&Change PC Timer Settings": the main timer opens the date and time
    // settings.
    void OnOK() override;
    void OnDestroy() override;

private:
    ControlPanelState& state_;
};

}  // namespace kalvor
