// One icon in the notification area, owned by a window that receives its
// mouse messages through a callback message.
#pragma once

#include <windows.h>

#include <string>

namespace winui {

class TrayIcon {
public:
    // The data is filled in the first-version layout that every shell
    // understands: 88 bytes for 32-bit programs.
    static const DWORD kStructureSize;

    TrayIcon(HWND owner, UINT id, UINT callbackMessage, HICON icon, const std::string& tip);

    // Adds the icon; true when the shell took it.
    bool Add();
    // Removes the icon added with the same data.
    bool Remove();

    // The shell broadcasts this message when its taskbar is created anew
    // (after it restarted); icons must then be added again.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAA data_;
};

}  // namespace winui
