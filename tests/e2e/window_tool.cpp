// window_tool: lets scripts wait for and close the programs' windows.
//   window_tool wait TITLE [TIMEOUT_MS]   exit 0 once a window with that title exists
//   window_tool gone TITLE [TIMEOUT_MS]   exit 0 once no window has that title
//   window_tool close TITLE               posts WM_CLOSE to it; exit 1 when none exists
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_tool wait|gone|close TITLE [TIMEOUT_MS]\n");
        return 2;
    }
    const char* command = argv[1];
    const char* title = argv[2];
    const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 20000;
    if (std::strcmp(command, "wait") == 0) return e2e::WaitForWindow(title, timeout) ? 0 : 1;
    if (std::strcmp(command, "gone") == 0) return e2e::WaitForWindowGone(title, timeout) ? 0 : 1;
    if (std::strcmp(command, "close") == 0) {
        const HWND hwnd = e2e::WaitForWindow(title, 0);
        return hwnd && PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "window_tool: unknown command %s\n", command);
    return 2;
}
