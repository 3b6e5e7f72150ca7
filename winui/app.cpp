#include "app.h"

#include "window.h"

namespace winui {

namespace {
Application* g_application = nullptr;
}

Application::Application() { g_application = this; }

Application::~Application() {
    if (g_application == this) g_application = nullptr;
}

Application* Application::Instance() { return g_application; }

int Application::Run(HINSTANCE instance, const char* commandLine) {
    instance_ = instance;
    commandLine_ = commandLine ? commandLine : "";
    if (!InitInstance()) {
        // A start that gives up after its main window exists still destroys
        // it, so that the window's own exit path runs.
        if (mainWindow_ && mainWindow_->Handle()) mainWindow_->DestroyWindow();
        return ExitInstance(0);
    }
    MSG msg;
    int result = 0;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            result = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance(result);
}

}  // namespace winui
