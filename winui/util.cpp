#include "util.h"

namespace winui {

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

HWND FindTopLevelWindow(const std::string& title) { return FindWindowA(nullptr, title.c_str()); }

bool BringToForeground(const std::string& title) {
    const HWND hwnd = FindTopLevelWindow(title);
    if (!hwnd) return false;
    SetForegroundWindow(hwnd);
    return true;
}

HFONT CreatePointFont(int tenthsOfPoint, const char* face, int weight) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(tenthsOfPoint, GetDeviceCaps(screen, LOGPIXELSY), 720);
    ReleaseDC(nullptr, screen);
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (face) lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

}  // namespace winui
