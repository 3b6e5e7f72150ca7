#include "clock_change_dlg.h"

#include "resource.h"
#include "time_settings.h"

namespace kalvor {

CClockChangeDlg::CClockChangeDlg(ControlPanelState& state, HWND parent)
    : winui::Dialog(IDD_CLOCK_CHANGE, parent), state_(state) {}

bool CClockChangeDlg::OnInitDialog() {
    SetItemText(IDC_TIME_ZONE, TimeZoneText());
    SetItemText(IDC_RUNNING_CLOCK, RunningClockText());
    SetTimer(Handle(), IDT_CLOCK_CHANGE, kClockTickMs, nullptr);
    PlayVoiceHint(state_, "s17.wav");
    // "PC Timer is &Ok" is the default: Enter keeps the clock as it is.
    SetFocus(Item(IDCANCEL));
    return false;
}

void CClockChangeDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != IDT_CLOCK_CHANGE) return;
    SetItemText(IDC_RUNNING_CLOCK, RunningClockText());
}

bool CClockChangeDlg::OnCommand(int id, int code, HWND /*control*/) {
    if (id != IDC_STOP_TIME_TRACKING || code != BN_CLICKED) return false;
    // Acts at once; the settings key gets it at exit or from the options.
    state_.timeTrackingOn = IsDlgButtonChecked(Handle(), IDC_STOP_TIME_TRACKING) == BST_CHECKED ? 0 : 1;
    return true;
}

void CClockChangeDlg::OnOK() {
    state_.timeChangeRequested = 1;
    EndDialog(IDOK);
}

void CClockChangeDlg::OnDestroy() { KillTimer(Handle(), IDT_CLOCK_CHANGE); }

}  // namespace kalvor
