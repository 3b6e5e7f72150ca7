// The tray icon and its menu, driven end to end: which clicks open the menu,
// which busy windows take the click instead, the failure boxes of the
// commands, and the exit path.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "control_panel_session.h"
#include "local_time.h"
#include "scenario.h"
#include "settings_store.h"

namespace e2e {
namespace {

class ControlPanelTray : public SettledControlPanel {};

TEST_F(ControlPanelTray, AButtonPressOpensTheMenuOtherMouseMessagesDoNothing) {
    StartPanel();
    EXPECT_TRUE(TrayIconExists(panel_.Main()));

    for (UINT ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                         WM_MBUTTONDOWN}) {
        panel_.TrayClick(ignored);
        EXPECT_TRUE(panel_.NoMenuFor(1000)) << "mouse message " << ignored << " opened the menu";
        panel_.CloseMenu();
    }
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        panel_.TrayClick(press);
        EXPECT_NE(panel_.WaitForMenu(5000), nullptr) << "mouse message " << press << " opened no menu";
        EXPECT_TRUE(panel_.CloseMenu());
    }
    // The menu is built anew on every click: a third one opens as well.
    panel_.TrayClick(WM_LBUTTONDOWN);
    EXPECT_NE(panel_.WaitForMenu(5000), nullptr);
    EXPECT_TRUE(panel_.CloseMenu());
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, AClickWhileTheSplashIsUpClosesItAndOpensTheMenu) {
    ASSERT_TRUE(panel_.Start());
    ASSERT_NE(WaitForWindow(kSplashTitle, 10000, panel_.Id()), nullptr);
    panel_.TrayClick(WM_RBUTTONDOWN);
    EXPECT_NE(panel_.WaitForMenu(5000), nullptr);
    EXPECT_TRUE(FindWindows(kSplashTitle, panel_.Id()).empty()) << "the splash is still up with the menu";
    EXPECT_TRUE(panel_.CloseMenu());
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, TheAboutWindowFromTheMenuStaysUntilAClickClosesIt) {
    StartPanel();
    panel_.Command(kAbout);
    ASSERT_NE(WaitForWindow(kSplashTitle, 5000, panel_.Id()), nullptr);
    Sleep(4000);  // longer than the splash lives
    EXPECT_FALSE(FindWindows(kSplashTitle, panel_.Id()).empty()) << "the About window closed by itself";
    panel_.TrayClick(WM_LBUTTONDOWN);
    EXPECT_NE(panel_.WaitForMenu(5000), nullptr);
    EXPECT_TRUE(WaitForWindowGone(kSplashTitle, 2000, panel_.Id()));
    EXPECT_TRUE(panel_.CloseMenu());
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, WhileTheTimeCheckIsUpAClickBringsItForwardInsteadOfAMenu) {
    StartPanel();
    panel_.Command(kCheckTimeAndDate);
    const HWND check = WaitForWindow(kTimeCheckTitle, 5000, panel_.Id());
    ASSERT_NE(check, nullptr);

    // Another window comes in front of it.
    StandInWindow other("In front", true);
    SetForegroundWindow(other.Get());
    EXPECT_EQ(GetForegroundWindow(), other.Get());

    panel_.TrayClick(WM_LBUTTONDOWN);
    EXPECT_TRUE(panel_.NoMenuFor(1500));
    EXPECT_EQ(GetForegroundWindow(), check);
    other.Destroy();

    ClickButton(check, IDOK);
    ASSERT_TRUE(WaitForWindowGone(kTimeCheckTitle, 5000, panel_.Id()));
    panel_.TrayClick(WM_LBUTTONDOWN);
    EXPECT_NE(panel_.WaitForMenu(5000), nullptr) << "no menu after the time check closed";
    EXPECT_TRUE(panel_.CloseMenu());
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, AnOpenSoftwareTestTakesTheClickOnlyWhenItIsInstalled) {
    StandInWindow softwareTest("Kalvor: Software test", true);
    for (DWORD installed : {0u, 1u}) {
        SCOPED_TRACE(installed ? "installed" : "not installed");
        kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "System Check installed", installed);
        ControlPanelSession panel;
        ASSERT_TRUE(panel.Start());
        ASSERT_TRUE(panel.DismissSplash());
        panel.TrayClick(WM_LBUTTONDOWN);
        if (installed) {
            EXPECT_TRUE(panel.NoMenuFor(1500));
            EXPECT_EQ(GetForegroundWindow(), softwareTest.Get());
        } else {
            EXPECT_NE(panel.WaitForMenu(5000), nullptr);
            EXPECT_TRUE(panel.CloseMenu());
        }
        EXPECT_TRUE(panel.Exit());
    }
}

// Each command that opens a missing file reports it in a system-modal box
// and the control panel carries on.
TEST_F(ControlPanelTray, CommandsWhoseFileIsMissingShowTheirFailureBox) {
    const std::string emptyFolder = BuildFolder() + "\\tests\\e2e\\no-kalvor-here";
    CreateDirectoryA(emptyFolder.c_str(), nullptr);
    kalvor::WriteSettingString(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Installation path", emptyFolder);
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "System Check installed", 1);
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Additional Info installed", 1);
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Screen Saver installed", 1);
    char windowsFolder[MAX_PATH] = {};
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    ASSERT_EQ(GetFileAttributesA((std::string(windowsFolder) + "\\kalvor.scr").c_str()), INVALID_FILE_ATTRIBUTES)
        << "this prefix has a screen saver file; the failure cannot be shown";

    struct Case {
        int command;
        const char* text;
    };
    const Case cases[] = {
        {kTestSoftware, "Could not find file \"Check.exe\"\r\nPlease, reinstall the program."},
        {kScreenSaver, "Could not find file \"kalvor.scr\"\r\nPlease, reinstall the program."},
        {kHelp, "Could not find file \"Help.html\"\r\nPlease, reinstall the program."},
        {kMoreAboutY2K, "Could not find file \"bug2000.htm\"\r\nPlease, reinstall the program."},
    };
    StartPanel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        panel_.Command(c.command);
        const HWND box = WaitForMessageBox("Kalvor Error", 10000, panel_.Id());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), c.text);
        // System-modal boxes stay above every other window.
        EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitForWindowGone("Kalvor Error", 5000, panel_.Id()));
    }
    EXPECT_TRUE(panel_.Process().Running());
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, TestSoftwareStartsTheInstalledProgramWithoutABox) {
    // Any small program that ends at once stands in for the software test.
    const std::string folder = BuildFolder() + "\\tests\\e2e\\fake-install";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((BuildFolder() + "\\tests\\e2e\\window_tool.exe").c_str(),
                          (folder + "\\Check.exe").c_str(), FALSE));
    kalvor::WriteSettingString(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Installation path", folder);
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "System Check installed", 1);
    StartPanel();
    panel_.Command(kTestSoftware);
    EXPECT_EQ(WaitForMessageBox("Kalvor Error", 3000, panel_.Id()), nullptr);
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTray, ExitStoresTheOptionsAndTheLastExitTimeAndEndsTheProgram) {
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Time Tracking", 0);
    StartPanel();
    const HWND main = panel_.Main();
    ASSERT_TRUE(TrayIconExists(main));
    Sleep(1200);  // a few main timer ticks
    const int64_t beforeExit = kalvor::CurrentTime();
    ASSERT_TRUE(panel_.Exit());
    const int64_t afterExit = kalvor::CurrentTime();

    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(TrayIconExists(main));
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do System Check", 99), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Hardware Check", 99), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Time Tracking", 99), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Voice Assistance", 99), 1u);
    int64_t lastExit = 0;
    ASSERT_TRUE(kalvor::ReadSplitTime("Last exit time", lastExit));
    EXPECT_GE(lastExit, beforeExit - 1);
    EXPECT_LE(lastExit, afterExit);
}

}  // namespace
}  // namespace e2e
