// Small helpers over Win32: message boxes, window lookup by title, and RAII
// owners for GDI objects and handles.
#pragma once

#include <windows.h>

#include <string>

namespace winui {

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// A top-level window with exactly this title, or null.
HWND FindTopLevelWindow(const std::string& title);
// Brings the window with this title to the foreground; false when none exists.
bool BringToForeground(const std::string& title);

// Owns one GDI object (font, brush, pen, bitmap) and deletes it.
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T object) : object_(object) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    void Reset(T object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }
    T Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T object_ = nullptr;
};

// Selects an object into a device context for the scope of the guard.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A device context got with GetDC and released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A font of the given point size (tenths of a point, as a dialog font is
// described) on the screen; null face for the default face.
HFONT CreatePointFont(int tenthsOfPoint, const char* face, int weight = FW_NORMAL);

}  // namespace winui
