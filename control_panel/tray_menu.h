// The tray icon's popup menu and the places its commands open.
#pragma once

#include <windows.h>

#include <string>

#include "control_panel_state.h"

namespace kalvor {

// Builds the popup menu for one click. Items of parts that are not
// installed are grayed and carry no command. The caller destroys it.
HMENU BuildTrayMenu(const ControlPanelState& state);

// The screen saver file in the Windows folder, with exactly one backslash
// before its name whether or not the folder text ends in one.
std::string ScreenSaverPath(const std::string& windowsFolder);

// The product web site.
extern const char kHomePageAddress[];
extern const char kSupportPageAddress[];

}  // namespace kalvor
