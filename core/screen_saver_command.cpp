#include "screen_saver_command.h"

#include <cctype>

namespace kalvor {

namespace {

ScreenSaverMode ModeFromLetter(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'C': return ScreenSaverMode::Configure;
        case 'P': return ScreenSaverMode::Preview;
        default: return ScreenSaverMode::Run;
    }
}

}  // namespace

ScreenSaverMode ScreenSaverModeFromCommandLine(const std::string& commandLine) {
    const std::string::size_type slash = commandLine.rfind('/');
    if (slash != std::string::npos) {
        return slash + 1 < commandLine.size() ? ModeFromLetter(commandLine[slash + 1]) : ScreenSaverMode::Run;
    }
    std::string::size_type first = commandLine.find_first_not_of(" \t");
    if (first == std::string::npos) return ScreenSaverMode::Configure;
    if (commandLine[first] == '-') ++first;
    return first < commandLine.size() ? ModeFromLetter(commandLine[first]) : ScreenSaverMode::Run;
}

}  // namespace kalvor
