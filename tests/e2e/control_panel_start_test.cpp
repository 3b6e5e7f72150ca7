// The control panel's start: hidden main window, splash, single instance,
// defaults with no settings key, and the exit path's stores.
#include <string>

#include "control_panel_state.h"
#include "local_time.h"
#include "scenario.h"
#include "settings_store.h"

namespace {

using e2e::Program;

const char kMainTitle[] = "Kalvor Control Panel";
const char kSplashTitle[] = "About Kalvor";
const char kProgram[] = "control_panel\\kalvor.exe";

class ControlPanelStart : public e2e::Scenario {};

DWORD ReadDword(HKEY root, const char* name, DWORD missing) {
    DWORD value = missing;
    kalvor::ReadSettingDword(root, kalvor::kSettingsKey, name, value);
    return value;
}

// Asks the control panel to quit as another program of the suite would, and
// waits for it to end.
void CloseControlPanel(Program& program, HWND mainWindow) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10000)) << "the control panel did not end after WM_CLOSE";
}

TEST_F(ControlPanelStart, StartsWithAHiddenMainWindowAndASplashThatClosesItself) {
    Program panel = Program::Start(kProgram);
    ASSERT_TRUE(panel.Started());
    const HWND main = e2e::WaitForWindow(kMainTitle, 15000, panel.Id());
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    const HWND splash = e2e::WaitForWindow(kSplashTitle, 10000, panel.Id());
    ASSERT_NE(splash, nullptr);
    const DWORD appeared = GetTickCount();
    EXPECT_TRUE(IsWindowVisible(splash));
    RECT rect = {};
    GetWindowRect(splash, &rect);
    EXPECT_EQ(rect.right - rect.left, 324);
    EXPECT_EQ(rect.bottom - rect.top, 204);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 324) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 204) / 2);

    // About 3.1 seconds: still up well before that, gone some time after.
    Sleep(1500);
    EXPECT_TRUE(IsWindow(splash)) << "the splash closed too early";
    ASSERT_TRUE(e2e::WaitForWindowGone(kSplashTitle, 10000, panel.Id()));
    const DWORD shown = GetTickCount() - appeared;
    EXPECT_GE(shown, 2500u);
    std::printf("splash was up for %lu ms\n", shown);

    // The program lives on without any window to show.
    Sleep(600);
    EXPECT_TRUE(panel.Running());
    EXPECT_TRUE(IsWindow(main));
    CloseControlPanel(panel, main);
}

TEST_F(ControlPanelStart, AClickOnTheSplashClosesItAtOnce) {
    Program panel = Program::Start(kProgram);
    const HWND splash = e2e::WaitForWindow(kSplashTitle, 15000, panel.Id());
    ASSERT_NE(splash, nullptr);
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(e2e::WaitForWindowGone(kSplashTitle, 1000, panel.Id()));
    EXPECT_TRUE(panel.Running());
    CloseControlPanel(panel, e2e::WaitForWindow(kMainTitle, 1000, panel.Id()));
}

TEST_F(ControlPanelStart, ASecondCopyEndsAtOnceWithoutAnyWindow) {
    Program first = Program::Start(kProgram);
    const HWND main = e2e::WaitForWindow(kMainTitle, 15000, first.Id());
    ASSERT_NE(main, nullptr);

    Program second = Program::Start(kProgram);
    ASSERT_TRUE(second.Started());
    DWORD exitCode = 1234;
    ASSERT_TRUE(second.WaitForExit(10000, &exitCode)) << "the second copy kept running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(e2e::FindWindows(kMainTitle, second.Id()).empty());
    EXPECT_TRUE(e2e::FindWindows(kSplashTitle, second.Id()).empty());
    EXPECT_EQ(e2e::FindWindows(kMainTitle).size(), 1u);
    EXPECT_TRUE(first.Running());
    CloseControlPanel(first, main);
}

TEST_F(ControlPanelStart, WithoutASettingsKeyItRunsOnTheDefaultsAndStoresThemAtExit) {
    Program panel = Program::Start(kProgram);
    const HWND main = e2e::WaitForWindow(kMainTitle, 15000, panel.Id());
    ASSERT_NE(main, nullptr);
    ASSERT_NE(e2e::WaitForWindow(kSplashTitle, 10000, panel.Id()), nullptr);
    Sleep(1200);  // a few main timer ticks
    const int64_t beforeExit = kalvor::CurrentTime();
    CloseControlPanel(panel, main);

    for (const char* name : {"Do System Check", "Do Hardware Check", "Do Time Tracking", "Do Voice Assistance"})
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, name, 99), 1u) << name;
    int64_t lastExit = 0;
    ASSERT_TRUE(kalvor::ReadSplitTime("Last exit time", lastExit));
    EXPECT_LE(lastExit, beforeExit + 1);
    EXPECT_GE(lastExit, beforeExit - 1);
}

TEST_F(ControlPanelStart, StoredOptionsAreLoadedAndWrittenBackAtExit) {
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "First run", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do System Check", 2);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Hardware Check", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Time Tracking", 0);
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Voice Assistance", 0);
    Program panel = Program::Start(kProgram);
    const HWND main = e2e::WaitForWindow(kMainTitle, 15000, panel.Id());
    ASSERT_NE(main, nullptr);
    CloseControlPanel(panel, main);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do System Check", 99), 2u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Hardware Check", 99), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Time Tracking", 99), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Voice Assistance", 99), 0u);
}

}  // namespace
