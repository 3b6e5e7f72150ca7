// kalvor: the resident control panel.
#include <windows.h>

#include "control_panel_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
    kalvor::CControlPanelApp app;
    return app.Run(instance, commandLine);
}
