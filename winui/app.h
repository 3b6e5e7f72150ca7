// The application object: one per program. It runs the program's start in
// InitInstance and, when that asks for it, the message loop.
#pragma once

#include <windows.h>

#include <string>

namespace winui {

class Window;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance();

    // Called from WinMain: InitInstance, then the message loop if it returned
    // true, then ExitInstance. Returns the process exit code.
    int Run(HINSTANCE instance, const char* commandLine);

    HINSTANCE Handle() const { return instance_; }
    const std::string& CommandLine() const { return commandLine_; }

    // The main window: when it is destroyed the message loop ends.
    void SetMainWindow(Window* window) { mainWindow_ = window; }
    Window* MainWindow() const { return mainWindow_; }

protected:
    // The program's start. Return false to end at once without a message loop.
    virtual bool InitInstance() = 0;
    // After the message loop (or a failed start); returns the exit code.
    virtual int ExitInstance(int loopResult) { return loopResult; }

private:
    HINSTANCE instance_ = nullptr;
    std::string commandLine_;
    Window* mainWindow_ = nullptr;
};

}  // namespace winui
