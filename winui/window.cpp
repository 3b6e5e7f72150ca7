#include "window.h"

#include "app.h"

namespace winui {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

bool Window::RegisterWindowClass(const char* className, UINT classStyle, HICON icon, HCURSOR cursor,
                                 HBRUSH background) {
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                      int y, int width, int height, HWND parent, HMENU menu) {
    const HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                                      GetModuleHandleA(nullptr), this);
    return hwnd != nullptr && hwnd == hwnd_;
}

bool Window::DestroyWindow() { return hwnd_ && ::DestroyWindow(hwnd_); }

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnFinalMessage();
    }
    return result;
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        DestroyWindow();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void FrameWindow::OnFinalMessage() {
    Application* app = Application::Instance();
    if (app && app->MainWindow() == this) PostQuitMessage(0);
}

}  // namespace winui
