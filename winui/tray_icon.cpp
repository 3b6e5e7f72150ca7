#include "tray_icon.h"

#include <shellapi.h>

namespace winui {

const DWORD TrayIcon::kStructureSize = NOTIFYICONDATAA_V1_SIZE;

#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "first-version notify icon data of a 32-bit program");
#endif

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage, HICON icon, const std::string& tip) : data_() {
    data_.cbSize = kStructureSize;
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, tip.c_str(), 64);
}

bool TrayIcon::Add() {
    return Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

bool TrayIcon::Remove() {
    return Shell_NotifyIconA(NIM_DELETE, &data_) != FALSE;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace winui
