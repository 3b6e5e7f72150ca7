// A small driver for end-to-end scenarios: starts the built programs, finds
// their windows by title with a deadline, reads texts, presses buttons,
// answers message boxes and saves screenshots.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Calls `probe` every `intervalMs` until its result is truthy or
// `timeoutMs` has passed; returns the last result. Every wait of the driver
// and the scenarios is one of these.
template <typename Probe>
auto PollUntil(DWORD timeoutMs, Probe probe, DWORD intervalMs = 20) -> decltype(probe()) {
    const DWORD start = GetTickCount();
    for (;;) {
        auto result = probe();
        if (result || GetTickCount() - start >= timeoutMs) return result;
        Sleep(intervalMs);
    }
}

// A program this test started; ended by its id when the object goes, if it
// is still running.
class Program {
public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;

    // Path relative to the build folder, e.g. "control_panel\\kalvor.exe".
    static Program Start(const std::string& relativePath, const std::string& arguments = "");

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;
    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void Terminate();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The build folder (where the programs and tests were built).
std::string BuildFolder();

// Polls until a top-level window with this title exists (optionally of the
// given process); null on timeout.
HWND WaitForWindow(const std::string& title, DWORD timeoutMs, DWORD processId = 0);
bool WaitForWindowGone(const std::string& title, DWORD timeoutMs, DWORD processId = 0);
// Top-level windows with this title, optionally of one process.
std::vector<HWND> FindWindows(const std::string& title, DWORD processId = 0);

// Visible top-level windows of a window class (such as "#32768", the class
// of popup menus), optionally of one process.
std::vector<HWND> FindVisibleWindowsOfClass(const std::string& className, DWORD processId = 0);
HWND WaitForVisibleWindowOfClass(const std::string& className, DWORD timeoutMs, DWORD processId = 0);
bool WaitForNoVisibleWindowOfClass(const std::string& className, DWORD timeoutMs, DWORD processId = 0);

// Polls until a process with this executable name (e.g. "control.exe")
// exists; false on timeout.
bool WaitForProcess(const std::string& exeName, DWORD timeoutMs);

std::string WindowText(HWND hwnd);
std::string ControlText(HWND dialog, int id);
// Posts a click, so that a modal dialog opened by it does not block us.
void ClickButton(HWND dialog, int id);

// A message box (dialog class #32770) with this caption; its text is the
// static control 0xFFFF.
HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId = 0);
std::string MessageBoxText(HWND box);

// Saves the whole screen as a 24-bit BMP file.
bool SaveScreenshot(const std::string& path);

// Removes the settings key from both parts of the registry.
void ClearSettingsKey();

}  // namespace e2e
