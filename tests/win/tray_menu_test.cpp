// The tray menu as the control panel builds it, the screen saver path, and
// the rules that decide what a click on the tray icon and a time change do,
// checked in-process on a real main window.
#include "tray_menu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "control_panel_state.h"
#include "local_time.h"
#include "main_frame_wnd.h"
#include "resource.h"

namespace kalvor {
namespace {

struct MenuItem {
    std::string text;  // empty for a separator
    UINT command;      // 0 for separators, submenus and items without a command
    bool grayed;
};

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        const UINT id = GetMenuItemID(menu, i);
        const bool separator = (state & MF_SEPARATOR) != 0;
        const bool submenu = GetSubMenu(menu, i) != nullptr;
        items.push_back({text, separator || submenu || id == static_cast<UINT>(-1) ? 0u : id,
                         !separator && (state & (MF_GRAYED | MF_DISABLED)) != 0});
    }
    return items;
}

void ExpectItems(const std::vector<MenuItem>& actual, const std::vector<MenuItem>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].command, expected[i].command);
        EXPECT_EQ(actual[i].grayed, expected[i].grayed);
    }
}

// Every combination of the three flags that gray an item.
class TrayMenuContent : public testing::TestWithParam<int> {};

TEST_P(TrayMenuContent, ItemsOrderCommandsAndGrayedStatesFollowWhatIsInstalled) {
    ControlPanelState state;
    state.softwareTestInstalled = (GetParam() & 1) ? 1 : 0;
    state.screenSaverInstalled = (GetParam() & 2) ? 1 : 0;
    state.infoPageInstalled = (GetParam() & 4) ? 1 : 0;
    // Other flags make no difference to the menu.
    state.voiceInstalled = 1;
    state.timeTrackingOn = 0;

    const HMENU menu = BuildTrayMenu(state);
    ASSERT_NE(menu, nullptr);
    const bool software = state.softwareTestInstalled != 0;
    const bool screenSaver = state.screenSaverInstalled != 0;
    const bool infoPage = state.infoPageInstalled != 0;
    ExpectItems(ReadMenu(menu), {
                                    {"Test software", software ? 1079u : 0u, !software},
                                    {"Test hardware", 1086, false},
                                    {"Check time and date", 1087, false},
                                    {"Screen Saver", screenSaver ? 1088u : 0u, !screenSaver},
                                    {"", 0, false},
                                    {"Options", 1080, false},
                                    {"About...", 1076, false},
                                    {"", 0, false},
                                    {"Support", 0, false},
                                    {"", 0, false},
                                    {"Exit", 1077, false},
                                });
    for (int separator : {4, 7, 9})
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(separator), MF_BYPOSITION) & MF_SEPARATOR) << separator;

    const HMENU support = GetSubMenu(menu, 8);
    ASSERT_NE(support, nullptr);
    ExpectItems(ReadMenu(support), {
                                       {"Help", 1078, false},
                                       {"More about Y2K", infoPage ? 1081u : 0u, !infoPage},
                                       {"Kalvor Support", 1083, false},
                                       {"Kalvor Home Page", 1084, false},
                                   });
    EXPECT_TRUE(DestroyMenu(menu));
}

INSTANTIATE_TEST_SUITE_P(EveryInstallation, TrayMenuContent, testing::Range(0, 8));

TEST(TrayMenuPlaces, ScreenSaverPathHasOneBackslashBeforeTheFileName) {
    struct Case {
        std::string folder;
        std::string path;
    };
    const Case cases[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS\\kalvor.scr"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS\\kalvor.scr"},
        {"C:\\", "C:\\kalvor.scr"},
        {"C:", "C:\\kalvor.scr"},
        // Only one trailing backslash is dropped.
        {"D:\\WinNT\\\\", "D:\\WinNT\\\\kalvor.scr"},
    };
    for (const Case& c : cases) EXPECT_EQ(ScreenSaverPath(c.folder), c.path) << c.folder;
}

// A main window whose menu only counts how often it would have opened.
class ProbeFrame : public CMainFrameWnd {
public:
    using CMainFrameWnd::CMainFrameWnd;
    int menusShown = 0;

protected:
    void ShowTrayMenu() override { ++menusShown; }
};

// A visible top-level window standing in for one of the suite's windows.
class StandIn {
public:
    explicit StandIn(const char* title)
        : hwnd_(CreateWindowExA(0, "STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr)) {}
    ~StandIn() { DestroyWindow(hwnd_); }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

class TrayClickRules : public testing::Test {
protected:
    void SetUp() override {
        state_.trackingArmed = 1;
        ASSERT_TRUE(frame_.Create());
        background_ = CreateWindowExA(0, "STATIC", "Background", WS_POPUP | WS_VISIBLE, 60, 0, 50, 50, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(background_);
    }
    void TearDown() override {
        DestroyWindow(background_);
        SetWindowLongPtrA(frame_.Handle(), GWLP_USERDATA, 0);
        ::DestroyWindow(frame_.Handle());
    }

    void Click(UINT mouseMessage = WM_LBUTTONDOWN) {
        SendMessageA(frame_.Handle(), WM_TRAY_NOTIFY, 0, mouseMessage);
    }

    ControlPanelState state_;
    ProbeFrame frame_{state_};
    HWND background_ = nullptr;
};

TEST_F(TrayClickRules, OnlyAButtonPressActs) {
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                         WM_MBUTTONDOWN, WM_MBUTTONUP})
        Click(message);
    EXPECT_EQ(frame_.menusShown, 0);
    Click(WM_LBUTTONDOWN);
    Click(WM_RBUTTONDOWN);
    EXPECT_EQ(frame_.menusShown, 2);
}

// Rules 4 and 5: each busy flag brings its window forward instead of a menu,
// in the order options, hardware test, BIOS test, time check.
TEST_F(TrayClickRules, ABusyWindowComesForwardInsteadOfAMenu) {
    struct Case {
        int32_t CMainFrameWnd::*flag;
        const char* title;
    };
    const Case cases[] = {
        {&CMainFrameWnd::optionsOpen, "Kalvor Options"},
        {&CMainFrameWnd::hardwareTestRunning, "Testing Hardware"},
        {&CMainFrameWnd::biosTestRunning, "Testing BIOS"},
        {&CMainFrameWnd::timeCheckOpen, "Checking time settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        StandIn window(c.title);
        SetForegroundWindow(background_);
        frame_.*c.flag = 1;
        Click(WM_RBUTTONDOWN);
        EXPECT_EQ(frame_.menusShown, 0);
        EXPECT_EQ(GetForegroundWindow(), window.Get());
        frame_.*c.flag = 0;
    }
    // With two flags set the earlier rule wins.
    StandIn options("Kalvor Options");
    StandIn timeCheck("Checking time settings");
    frame_.optionsOpen = 1;
    frame_.timeCheckOpen = 1;
    SetForegroundWindow(background_);
    Click();
    EXPECT_EQ(GetForegroundWindow(), options.Get());
    EXPECT_EQ(frame_.menusShown, 0);
}

TEST_F(TrayClickRules, ABusyFlagWhoseWindowIsGoneSwallowsTheClick) {
    frame_.hardwareTestRunning = 1;
    Click();
    EXPECT_EQ(frame_.menusShown, 0);
    EXPECT_EQ(GetForegroundWindow(), background_);
}

TEST_F(TrayClickRules, APendingTimeChangeIgnoresClicksButStillClosesTheAboutWindow) {
    state_.timeChangeRequested = 1;
    state_.aboutShown = 1;
    Click();
    EXPECT_EQ(frame_.menusShown, 0);
    EXPECT_EQ(state_.aboutShown, 0);
    state_.timeChangeRequested = 0;
    Click();
    EXPECT_EQ(frame_.menusShown, 1);
}

TEST_F(TrayClickRules, TheSoftwareTestTakesTheClickFirstWhenInstalled) {
    StandIn softwareTest("Kalvor: Software test");
    frame_.optionsOpen = 1;
    state_.timeChangeRequested = 1;
    state_.aboutShown = 1;
    state_.softwareTestInstalled = 1;
    SetForegroundWindow(background_);
    Click();
    EXPECT_EQ(GetForegroundWindow(), softwareTest.Get());
    EXPECT_EQ(state_.aboutShown, 1) << "the About window is left alone";
    EXPECT_EQ(frame_.menusShown, 0);

    // Not installed: the window is not looked for and the usual rules apply.
    state_.softwareTestInstalled = 0;
    frame_.optionsOpen = 0;
    state_.timeChangeRequested = 0;
    Click();
    EXPECT_EQ(frame_.menusShown, 1);
    EXPECT_EQ(state_.aboutShown, 0);
}

// A time change while the software test runs is trusted: the reference time
// takes it. Disarmed or switched-off tracking does not even look.
TEST_F(TrayClickRules, ATimeChangeDuringTheSoftwareTestMovesTheReferenceTime) {
    StandIn softwareTest("Kalvor: Software test");
    state_.softwareTestInstalled = 1;
    struct Case {
        int32_t armed;
        int32_t trackingOn;
        bool moves;
    };
    for (const Case& c : {Case{1, 1, true}, Case{0, 1, false}, Case{1, 0, false}}) {
        state_.trackingArmed = c.armed;
        state_.timeTrackingOn = c.trackingOn;
        state_.referenceTime = 1000;
        SendMessageA(frame_.Handle(), WM_TIMECHANGE, 0, 0);
        if (c.moves) {
            EXPECT_GE(state_.referenceTime, CurrentTime() - 1);
        } else {
            EXPECT_EQ(state_.referenceTime, 1000) << "armed " << c.armed << ", tracking " << c.trackingOn;
        }
    }
}

}  // namespace
}  // namespace kalvor
