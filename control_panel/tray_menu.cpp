#include "tray_menu.h"

#include "resource.h"

namespace kalvor {

const char kHomePageAddress[] = "http://www.example.com/";
const char kSupportPageAddress[] = "http://www.example.com/support";

namespace {

// An item of a part that may be missing: grayed and without a command when
// it is not installed, so that choosing it does nothing.
void AppendOptional(HMENU menu, bool installed, UINT command, const char* text) {
    if (installed) {
        AppendMenuA(menu, MF_STRING, command, text);
    } else {
        AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, text);
    }
}

}  // namespace

HMENU BuildTrayMenu(const ControlPanelState& state) {
    HMENU support = CreatePopupMenu();
    AppendMenuA(support, MF_STRING, ID_HELP, "Help");
    AppendOptional(support, state.infoPageInstalled != 0, ID_MORE_ABOUT_Y2K, "More about Y2K");
    AppendMenuA(support, MF_STRING, ID_KALVOR_SUPPORT, "Kalvor Support");
    AppendMenuA(support, MF_STRING, ID_KALVOR_HOME_PAGE, "Kalvor Home Page");

    HMENU menu = CreatePopupMenu();
    AppendOptional(menu, state.softwareTestInstalled != 0, ID_TEST_SOFTWARE, "Test software");
    AppendMenuA(menu, MF_STRING, ID_TEST_HARDWARE, "Test hardware");
    AppendMenuA(menu, MF_STRING, ID_CHECK_TIME_AND_DATE, "Check time and date");
    AppendOptional(menu, state.screenSaverInstalled != 0, ID_SCREEN_SAVER, "Screen Saver");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_OPTIONS, "Options");
    AppendMenuA(menu, MF_STRING, ID_ABOUT, "About...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(support), "Support");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_EXIT, "Exit");
    return menu;
}

std::string ScreenSaverPath(const std::string& windowsFolder) {
    std::string folder = windowsFolder.substr(0, MAX_PATH);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder + "\\kalvor.scr";
}

}  // namespace kalvor
