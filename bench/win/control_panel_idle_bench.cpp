// How much the resident control panel costs while it sits idle in the tray:
// its resident memory and CPU time over 20 s, beside an empty hidden-window
// program with a 500 ms timer started in the same run, and the time from
// its start to its main window existing. Prints figures; fails on nothing.
//
//   tools/winerun --build BUILD BUILD/bench/win/control_panel_idle_bench.exe [seconds]
#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings_store.h"

namespace {

struct Subject {
    const char* name;
    std::string path;
    const char* title;
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    double startMs = 0;
};

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string BuildFolder() {
    // This program sits in <build>\bench\win.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    for (int level = 0; level < 3; ++level) PathRemoveFileSpecA(path);
    return path;
}

// Starts the program and waits for its window; the figure is the time from
// the start request to the window existing.
bool Launch(Subject& s) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + s.path + "\"";
    const double start = NowMs();
    if (!CreateProcessA(s.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &s.process)) {
        std::fprintf(stderr, "could not start %s\n", s.path.c_str());
        return false;
    }
    while (NowMs() - start < 30000) {
        s.window = FindWindowA(nullptr, s.title);
        if (s.window) {
            s.startMs = NowMs() - start;
            return true;
        }
        Sleep(1);
    }
    std::fprintf(stderr, "%s: no window \"%s\"\n", s.name, s.title);
    return false;
}

// Wine reports no CPU times for other processes, and a working set of its
// own making; the figures come from the host's view of the process, reached
// through Wine's \\?\unix\ paths.
std::string ReadUnixFile(const std::string& unixPath) {
    std::string path = "\\\\?\\unix" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// The host process whose command line names this program.
std::string HostProcessOf(const std::string& exeName) {
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA("\\\\?\\unix\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return std::string();
    std::string found;
    do {
        const std::string name = entry.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string commandLine = ReadUnixFile("/proc/" + name + "/cmdline");
        for (char& c : commandLine)
            if (c == '\0') c = ' ';
        if (commandLine.find(exeName) != std::string::npos) found = name;
    } while (found.empty() && FindNextFileA(find, &entry));
    FindClose(find);
    return found;
}

// User plus system CPU time of a host process, in milliseconds.
double HostCpuMs(const std::string& pid) {
    const std::string stat = ReadUnixFile("/proc/" + pid + "/stat");
    const size_t end = stat.rfind(')');
    if (end == std::string::npos) return -1;
    // After the command name come the state (field 3) and, as fields 14 and
    // 15, the user and system times in clock ticks.
    const char* p = stat.c_str() + end + 1;
    double ticks = 0;
    for (int field = 3; field <= 15; ++field) {
        while (*p == ' ') ++p;
        if (!*p) return -1;
        if (field == 14 || field == 15) ticks += std::strtod(p, nullptr);
        while (*p && *p != ' ') ++p;
    }
    return ticks * 10.0;  // 100 clock ticks a second on Linux
}

double HostResidentKb(const std::string& pid) {
    const std::string status = ReadUnixFile("/proc/" + pid + "/status");
    const size_t at = status.find("VmRSS:");
    return at == std::string::npos ? -1 : std::strtod(status.c_str() + at + 6, nullptr);
}

double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return static_cast<double>(k.QuadPart + u.QuadPart) / 10000.0;
}

double ResidentKb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

void Close(Subject& s) {
    if (s.window) PostMessageA(s.window, WM_CLOSE, 0, 0);
    if (s.process.hProcess && WaitForSingleObject(s.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(s.process.hProcess, 1);
    if (s.process.hProcess) CloseHandle(s.process.hProcess);
    if (s.process.hThread) CloseHandle(s.process.hThread);
    s.process = {};
    s.window = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::string build = BuildFolder();

    // A settled installation: no first run, no scheduled prompt.
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "First run", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do System Check", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Hardware Check", 0);

    Subject panel{"control panel", build + "\\control_panel\\kalvor.exe", "Kalvor Control Panel"};
    Subject reference{"empty program", build + "\\bench\\win\\idle_window.exe", "Kalvor idle reference"};

    // One start first, so that the figures are those of a warm wineserver.
    if (!Launch(panel)) return 1;
    Close(panel);

    if (!Launch(panel) || !Launch(reference)) {
        Close(panel);
        Close(reference);
        return 1;
    }
    std::printf("start to main window: control panel %.0f ms, empty program %.0f ms\n", panel.startMs,
                reference.startMs);

    // The splash closes after about 3 s; idle begins after it.
    Sleep(4000);
    const std::string panelPid = HostProcessOf("kalvor.exe");
    const std::string referencePid = HostProcessOf("idle_window.exe");
    const double panelCpu0 = HostCpuMs(panelPid);
    const double referenceCpu0 = HostCpuMs(referencePid);
    const double panelWinCpu0 = CpuMs(panel.process.hProcess);
    const double referenceWinCpu0 = CpuMs(reference.process.hProcess);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double panelCpu = HostCpuMs(panelPid) - panelCpu0;
    const double referenceCpu = HostCpuMs(referencePid) - referenceCpu0;
    const double panelWinCpu = CpuMs(panel.process.hProcess) - panelWinCpu0;
    const double referenceWinCpu = CpuMs(reference.process.hProcess) - referenceWinCpu0;
    const double panelKb = HostResidentKb(panelPid);
    const double referenceKb = HostResidentKb(referencePid);
    const double panelWorkingSet = ResidentKb(panel.process.hProcess);
    const double referenceWorkingSet = ResidentKb(reference.process.hProcess);

    std::printf("host processes: control panel %s, empty program %s\n", panelPid.c_str(), referencePid.c_str());
    std::printf("idle for %d s                   control panel   empty program   ratio\n", seconds);
    std::printf("resident memory, host (KB)      %13.0f   %13.0f   %5.2f\n", panelKb, referenceKb,
                referenceKb > 0 ? panelKb / referenceKb : 0.0);
    std::printf("working set, Wine (KB)          %13.0f   %13.0f   %5.2f\n", panelWorkingSet, referenceWorkingSet,
                referenceWorkingSet > 0 ? panelWorkingSet / referenceWorkingSet : 0.0);
    std::printf("CPU time, host (ms)             %13.1f   %13.1f\n", panelCpu, referenceCpu);
    std::printf("CPU time, Wine (ms)             %13.1f   %13.1f\n", panelWinCpu, referenceWinCpu);
    std::printf("goals: memory within 1.2x, CPU indistinguishable, main window within 500 ms\n");

    Close(panel);
    Close(reference);
    return 0;
}
