#include "quit_time_dlg.h"

#include "local_time.h"
#include "resource.h"
#include "time_settings.h"

namespace kalvor {

CQuitTimeDlg::CQuitTimeDlg(ControlPanelState& state, HWND parent)
    : winui::Dialog(IDD_QUIT_TIME, parent), state_(state) {}

bool CQuitTimeDlg::OnInitDialog() {
    timeFont_.Reset(winui::CreatePointFont(100, "Courier"));
    for (int id : {IDC_LAST_QUIT_TIME, IDC_CURRENT_PC_TIME})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(timeFont_.Get()), FALSE);

    state_.referenceTime = CurrentTime();
    shownTime_ = state_.referenceTime;
    SetItemText(IDC_CURRENT_PC_TIME, FormatLocalTime(state_.referenceTime, kQuitTimeFormat));
    SetItemText(IDC_LAST_QUIT_TIME, FormatLocalTime(state_.lastExitTime, kQuitTimeFormat));
    SetTimer(Handle(), IDT_QUIT_TIME, kClockTickMs, nullptr);
    PlayVoiceHint(state_, "s7.wav");
    return true;
}

void CQuitTimeDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != IDT_QUIT_TIME) return;
    state_.referenceTime = CurrentTime();
    if (state_.referenceTime >= state_.lastExitTime) {
        // The clock has caught up with the last quit time.
        EndDialog(IDCANCEL);
        return;
    }
    if (state_.referenceTime == shownTime_) return;
    SetItemText(IDC_CURRENT_PC_TIME, FormatLocalTime(state_.referenceTime, kQuitTimeFormat));
    shownTime_ = state_.referenceTime;
}

void CQuitTimeDlg::OnOK() {
    state_.timeChangeRequested = 1;
    EndDialog(IDOK);
}

void CQuitTimeDlg::OnDestroy() { KillTimer(Handle(), IDT_QUIT_TIME); }

}  // namespace kalvor
