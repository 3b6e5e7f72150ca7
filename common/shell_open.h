// Starting programs and opening documents through the shell, as every
// program of the suite does: verb "Open", no working folder, hidden show
// state.
#pragma once

#include <windows.h>

#include <string>

namespace kalvor {

// Opens `file` (a program, a document or a web address) with the verb
// "Open". True when the shell reports success (a result above 32).
bool ShellOpen(HWND owner, const std::string& file, const std::string& parameters = std::string());

}  // namespace kalvor
