// Kalvor.scr: the screen saver that counts down to the year 2000.
#include <windows.h>

#include "screen_saver_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
    kalvor::CScreenSaverApp app;
    return app.Run(instance, commandLine);
}
