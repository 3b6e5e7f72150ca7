// wait_window TITLE [TIMEOUT_MS]: exits 0 once a top-level window with that
// title exists, 1 when none appeared in time. Used by scripts that take
// screenshots of the programs.
#include <cstdio>
#include <cstdlib>

#include "driver.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wait_window TITLE [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 20000;
    return e2e::WaitForWindow(argv[1], timeout) ? 0 : 1;
}
