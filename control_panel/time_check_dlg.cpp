#include "time_check_dlg.h"

#include "resource.h"
#include "time_settings.h"

namespace kalvor {

CTimeCheckDlg::CTimeCheckDlg(ControlPanelState& state, HWND parent)
    : winui::Dialog(IDD_TIME_CHECK, parent), state_(state) {}

bool CTimeCheckDlg::OnInitDialog() {
    importantFont_.Reset(winui::CreatePointFont(140, nullptr, FW_BOLD));
    SendMessageA(Item(IDC_IMPORTANT), WM_SETFONT, reinterpret_cast<WPARAM>(importantFont_.Get()), FALSE);
    SetItemText(IDC_TIME_ZONE, TimeZoneText());
    SetItemText(IDC_RUNNING_CLOCK, RunningClockText());
    SetTimer(Handle(), IDT_TIME_CHECK, kClockTickMs, nullptr);
    PlayVoiceHint(state_, "s19.wav");
    return true;
}

void CTimeCheckDlg::OnTimer(UINT_PTR timerId) {
    if (timerId != IDT_TIME_CHECK) return;
    SetItemText(IDC_RUNNING_CLOCK, RunningClockText());
}

void CTimeCheckDlg::OnCancel() {
    ShowWindow(Handle(), SW_HIDE);
    RunTimeSettings(Handle());
    EndDialog(IDCANCEL);
}

void CTimeCheckDlg::OnDestroy() { KillTimer(Handle(), IDT_TIME_CHECK); }

}  // namespace kalvor
