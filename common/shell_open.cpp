#include "shell_open.h"

#include <shellapi.h>

namespace kalvor {

bool ShellOpen(HWND owner, const std::string& file, const std::string& parameters) {
    const HINSTANCE result = ShellExecuteA(owner, "Open", file.c_str(),
                                           parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_HIDE);
    // The shell's result is an error code below 33, a success value above.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace kalvor
