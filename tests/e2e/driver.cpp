#include "driver.h"

#include <shlwapi.h>
#include <tlhelp32.h>

#include <cstdio>

namespace e2e {

namespace {

DWORD ProcessOf(HWND hwnd) {
    DWORD id = 0;
    GetWindowThreadProcessId(hwnd, &id);
    return id;
}

struct FindRequest {
    const std::string* title;
    const char* className;
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    FindRequest& request = *reinterpret_cast<FindRequest*>(lParam);
    if (request.processId && ProcessOf(hwnd) != request.processId) return TRUE;
    if (WindowText(hwnd) != *request.title) return TRUE;
    if (request.className) {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (lstrcmpA(name, request.className) != 0) return TRUE;
    }
    request.found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Collect(const std::string& title, const char* className, DWORD processId) {
    FindRequest request{&title, className, processId, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

struct ClassRequest {
    const std::string* className;
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleOfClass(HWND hwnd, LPARAM lParam) {
    ClassRequest& request = *reinterpret_cast<ClassRequest*>(lParam);
    if (request.processId && ProcessOf(hwnd) != request.processId) return TRUE;
    if (!IsWindowVisible(hwnd)) return TRUE;
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (*request.className == name) request.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

Program::~Program() { Terminate(); }

Program::Program(Program&& other) noexcept : process_(other.process_), id_(other.id_) {
    other.process_ = nullptr;
    other.id_ = 0;
}

Program& Program::operator=(Program&& other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = other.process_;
        id_ = other.id_;
        other.process_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Program Program::Start(const std::string& relativePath, const std::string& arguments) {
    Program program;
    const std::string path = BuildFolder() + "\\" + relativePath;
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        std::fprintf(stderr, "could not start %s (error %lu)\n", path.c_str(), GetLastError());
        return program;
    }
    CloseHandle(info.hThread);
    program.process_ = info.hProcess;
    program.id_ = info.dwProcessId;
    return program;
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Program::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (!process_) return true;
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_, exitCode);
    return true;
}

void Program::Terminate() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

std::string BuildFolder() {
    // This test program sits in <build>\tests\e2e.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    for (int level = 0; level < 3; ++level) PathRemoveFileSpecA(path);
    return path;
}

HWND WaitForWindow(const std::string& title, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&]() -> HWND {
        const std::vector<HWND> found = Collect(title, nullptr, processId);
        return found.empty() ? nullptr : found.front();
    });
}

bool WaitForWindowGone(const std::string& title, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&] { return Collect(title, nullptr, processId).empty(); });
}

std::vector<HWND> FindWindows(const std::string& title, DWORD processId) {
    return Collect(title, nullptr, processId);
}

std::vector<HWND> FindVisibleWindowsOfClass(const std::string& className, DWORD processId) {
    ClassRequest request{&className, processId, {}};
    EnumWindows(&CollectVisibleOfClass, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND WaitForVisibleWindowOfClass(const std::string& className, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&]() -> HWND {
        const std::vector<HWND> found = FindVisibleWindowsOfClass(className, processId);
        return found.empty() ? nullptr : found.front();
    });
}

bool WaitForNoVisibleWindowOfClass(const std::string& className, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&] { return FindVisibleWindowsOfClass(className, processId).empty(); });
}

bool WaitForProcess(const std::string& exeName, DWORD timeoutMs) {
    return PollUntil(timeoutMs, [&] {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        bool found = false;
        if (snapshot != INVALID_HANDLE_VALUE) {
            PROCESSENTRY32 entry = {};
            entry.dwSize = sizeof entry;
            for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
                found = lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0;
            CloseHandle(snapshot);
        }
        return found;
    });
}

std::string WindowText(HWND hwnd) {
    char buffer[1024] = {};
    // WM_GETTEXT reads a control of another process as well.
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return buffer;
}

std::string ControlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    return control ? WindowText(control) : std::string();
}

void ClickButton(HWND dialog, int id) {
    const HWND button = GetDlgItem(dialog, id);
    if (button) PostMessageA(button, BM_CLICK, 0, 0);
}

HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId) {
    return PollUntil(timeoutMs, [&]() -> HWND {
        const std::vector<HWND> found = Collect(caption, "#32770", processId);
        return found.empty() ? nullptr : found.front();
    });
}

std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

bool SaveScreenshot(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GdiFlush();
        const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
        const DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        info.bmiHeader.biSizeImage = imageSize;
        if (FILE* out = std::fopen(path.c_str(), "wb")) {
            saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                    std::fwrite(bits, imageSize, 1, out) == 1;
            saved = std::fclose(out) == 0 && saved;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

void ClearSettingsKey() {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Marlowin");
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marlowin");
}

}  // namespace e2e
