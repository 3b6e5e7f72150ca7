// Window base: a registered window class whose procedure finds the C++
// object through the window's user data and calls its virtual HandleMessage.
#pragma once

#include <windows.h>

#include <string>

namespace winui {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a class whose procedure dispatches to Window objects.
    // Registering the same name twice is harmless.
    static bool RegisterWindowClass(const char* className, UINT classStyle, HICON icon = nullptr,
                                    HCURSOR cursor = nullptr, HBRUSH background = nullptr);

    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                  int width, int height, HWND parent = nullptr, HMENU menu = nullptr);

    // Destroys the window; frame windows put their exit path in an override.
    virtual bool DestroyWindow();

    HWND Handle() const { return hwnd_; }

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone (after WM_NCDESTROY); the object may still live.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A frame window: a top-level window whose close request destroys it and
// whose destruction, when it is the application's main window, ends the
// message loop.
class FrameWindow : public Window {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;
};

}  // namespace winui
