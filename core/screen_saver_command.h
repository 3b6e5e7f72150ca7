// What the screen saver is asked to do by its command line.
#pragma once

#include <string>

namespace kalvor {

enum class ScreenSaverMode {
    Configure,  // "/c" (with or without a window number): nothing to configure, end at once
    Preview,    // "/p <window>": no preview is drawn, end at once
    Run,        // "/s" and anything else: run full screen
};

// Looks at the letter right after the last "/", in either case. A command
// line without any "/" is judged by its first non-blank character (a leading
// "-" is taken as the switch sign); an empty one is the request to configure,
// which is how the system starts a screen saver from its "Configure" command.
ScreenSaverMode ScreenSaverModeFromCommandLine(const std::string& commandLine);

}  // namespace kalvor
