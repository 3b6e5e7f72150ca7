// Time tracking end to end: the start-up time check against the stored last
// exit time, the time-change report, a pending request to set the clock,
// and switching tracking off from the report.
#include <cstdio>
#include <regex>
#include <string>

#include "control_panel_session.h"
#include "local_time.h"
#include "scenario.h"
#include "settings_store.h"

namespace e2e {
namespace {

const std::regex kRunningClock(
    "(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), "
    "(January|February|March|April|May|June|July|August|September|October|November|December) "
    "[0-3][0-9], [0-9]{4}, [0-2][0-9]:[0-5][0-9]:[0-5][0-9]");

class ControlPanelTimeTracking : public SettledControlPanel {
protected:
    // A report is raised and shows the zone and the running clock.
    HWND RaiseReport() {
        panel_.TimeChanged();
        const HWND report = panel_.WaitForClockChange(5000);
        if (!report) return nullptr;
        EXPECT_NE(ControlText(report, kTimeZoneLabel), "");
        const std::string clock = ControlText(report, kRunningClockLabel);
        EXPECT_TRUE(std::regex_match(clock, kRunningClock)) << clock;
        EXPECT_EQ(SendMessageA(GetDlgItem(report, kStopTimeTrackingBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        return report;
    }

    bool NoReportFor(DWORD ms) const { return panel_.WaitForClockChange(ms) == nullptr; }

    // While a request to set the clock is pending, time changes and tray
    // clicks do nothing; the user's OK ends it.
    void ExpectPendingRequestUntilOk(HWND message, DWORD askedAt) {
        std::printf("the set-time message came %lu ms after the request\n", GetTickCount() - askedAt);
        EXPECT_EQ(MessageBoxText(message), "Press Ok when you finish setting time settings.");
        EXPECT_TRUE(GetWindowLongA(message, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not system-modal";
        panel_.TimeChanged();
        EXPECT_TRUE(NoReportFor(1500)) << "a time change raised a report while a request was pending";
        panel_.TrayClick(WM_LBUTTONDOWN);
        EXPECT_TRUE(panel_.NoMenuFor(1500)) << "a tray click opened the menu while a request was pending";
        panel_.CloseMenu();
        ClickButton(message, IDOK);
        ASSERT_TRUE(WaitForWindowGone("Kalvor", 5000, panel_.Id()));
        // Back to normal: tracking reports again.
        const HWND report = RaiseReport();
        ASSERT_NE(report, nullptr);
        ClickButton(report, IDCANCEL);
        EXPECT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel_.Id()));
    }
};

TEST_F(ControlPanelTimeTracking, AStartAfterTheStoredExitTimeShowsNoCheck) {
    // The installer's zeros read as a time before any real one.
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Last exit time high", 0);
    kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "Last exit time low", 0);
    ASSERT_TRUE(panel_.Start());
    EXPECT_TRUE(panel_.NoWindowFor(kTimeUncertaintyCaption, 4000));
    EXPECT_TRUE(panel_.Exit());
}

// The start-up check runs even with tracking off. "&Don't care" leaves
// nothing pending; "&Change time" is carried out by the first main timer
// tick after the start.
TEST_F(ControlPanelTimeTracking, AStoredExitTimeLaterThanNowShowsTheStartupCheck) {
    kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Time Tracking", 0);
    for (int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button == IDOK ? "Change time" : "Don't care");
        kalvor::WriteSplitTime("Last exit time", kalvor::CurrentTime() + 3600);
        ControlPanelSession panel;
        ASSERT_TRUE(panel.Start());
        const HWND check = panel.WaitForQuitTime(10000);
        ASSERT_NE(check, nullptr);
        EXPECT_NE(ControlText(check, kLastQuitTimeLabel), "");
        EXPECT_NE(ControlText(check, kCurrentTimeLabel), "");
        EXPECT_TRUE(GetWindowLongA(check, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not system-modal";
        EXPECT_TRUE(GetWindowLongA(check, GWL_STYLE) & WS_SYSMENU) << "no close box";
        // The check comes before the end of the start: no tray icon yet.
        EXPECT_FALSE(TrayIconExists(panel.Main()));

        const DWORD pressed = GetTickCount();
        ClickButton(check, button);
        ASSERT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel.Id()));
        if (button == IDOK) {
            const HWND message = panel.WaitForSetTimeMessage(5000);
            ASSERT_NE(message, nullptr);
            std::printf("the set-time message came %lu ms after \"Change time\"\n", GetTickCount() - pressed);
            EXPECT_EQ(MessageBoxText(message), "Press Ok when you finish setting time settings.");
            ClickButton(message, IDOK);
            ASSERT_TRUE(WaitForWindowGone("Kalvor", 5000, panel.Id()));
        } else {
            EXPECT_EQ(panel.WaitForSetTimeMessage(1500), nullptr);
        }
        panel.TrayClick(WM_LBUTTONDOWN);
        EXPECT_NE(panel.WaitForMenu(5000), nullptr);
        EXPECT_TRUE(panel.CloseMenu());
        EXPECT_TRUE(panel.Exit());
    }
}

// The report closes with "PC Timer is &Ok" whichever way the user says it.
TEST_F(ControlPanelTimeTracking, ATimeChangeRaisesTheReportWhichEveryCancelCloses) {
    StartPanel();
    struct Closer {
        const char* name;
        void (*close)(HWND report);
    };
    const Closer closers[] = {
        {"PC Timer is Ok", [](HWND report) { ClickButton(report, IDCANCEL); }},
        {"Enter", [](HWND report) { PressKey(GetDlgItem(report, IDCANCEL), VK_RETURN); }},
        {"Esc", [](HWND report) { PressKey(GetDlgItem(report, IDCANCEL), VK_ESCAPE); }},
        {"close box", [](HWND report) { PostMessageA(report, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Closer& closer : closers) {
        SCOPED_TRACE(closer.name);
        const HWND report = RaiseReport();
        ASSERT_NE(report, nullptr);
        const std::string first = ControlText(report, kRunningClockLabel);
        // The clock runs.
        const std::string later =
            WaitForText(report, kRunningClockLabel, 3000, [&](const std::string& t) { return t != first; });
        EXPECT_NE(later, first);
        closer.close(report);
        EXPECT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel_.Id()));
        EXPECT_EQ(panel_.WaitForSetTimeMessage(1000), nullptr) << "Cancel asked to set the clock";
    }
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(ControlPanelTimeTracking, NoReportWhileTrackingIsOffOrTheSoftwareTestRuns) {
    struct Case {
        const char* name;
        DWORD trackingOn;
        bool softwareTestOpen;
    };
    for (const Case& c : {Case{"tracking off", 0, false}, Case{"software test open", 1, true}}) {
        SCOPED_TRACE(c.name);
        kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Time Tracking", c.trackingOn);
        kalvor::WriteSettingDword(HKEY_LOCAL_MACHINE, kalvor::kSettingsKey, "System Check installed", 1);
        StandInWindow softwareTest(c.softwareTestOpen ? "Kalvor: Software test" : "Not the software test", false);
        ControlPanelSession panel;
        ASSERT_TRUE(panel.Start());
        ASSERT_TRUE(panel.DismissSplash());
        panel.TimeChanged();
        EXPECT_EQ(panel.WaitForClockChange(2000), nullptr);
        if (c.softwareTestOpen) {
            // Once the software test is gone, changes are reported again.
            softwareTest.Destroy();
            panel.TimeChanged();
            const HWND report = panel.WaitForClockChange(5000);
            EXPECT_NE(report, nullptr);
            ClickButton(report, IDCANCEL);
            EXPECT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel.Id()));
        }
        EXPECT_TRUE(panel.Exit());
    }
}

TEST_F(ControlPanelTimeTracking, ChangePcTimerSettingsAsksForTheSettingsAndWaitsForOk) {
    StartPanel();
    const HWND report = RaiseReport();
    ASSERT_NE(report, nullptr);
    const DWORD pressed = GetTickCount();
    ClickButton(report, IDOK);
    // The date and time settings are asked for through the shell, which
    // starts control.exe (under Wine it opens no window).
    EXPECT_TRUE(WaitForProcess("control.exe", 5000)) << "the date and time settings were not asked for";
    std::printf("control.exe was started %lu ms after the request\n", GetTickCount() - pressed);
    const HWND message = panel_.WaitForSetTimeMessage(5000);
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(FindWindows(kTimeUncertaintyCaption, panel_.Id()).empty());
    ExpectPendingRequestUntilOk(message, pressed);
    EXPECT_TRUE(panel_.Exit());
}

// "Stop time tracking" acts at once and reaches the settings key at exit;
// ticking it twice leaves tracking on.
TEST_F(ControlPanelTimeTracking, StopTimeTrackingSwitchesLaterReportsOff) {
    for (int clicks : {1, 2}) {
        SCOPED_TRACE(clicks);
        kalvor::WriteSettingDword(HKEY_CURRENT_USER, kalvor::kSettingsKey, "Do Time Tracking", 1);
        ControlPanelSession panel;
        ASSERT_TRUE(panel.Start());
        ASSERT_TRUE(panel.DismissSplash());
        panel.TimeChanged();
        const HWND report = panel.WaitForClockChange(5000);
        ASSERT_NE(report, nullptr);
        const HWND box = GetDlgItem(report, kStopTimeTrackingBox);
        // Posted clicks are handled in order, the box's before the button's.
        for (int i = 0; i < clicks; ++i) PostMessageA(box, BM_CLICK, 0, 0);
        ClickButton(report, IDCANCEL);
        ASSERT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel.Id()));

        panel.TimeChanged();
        const HWND later = panel.WaitForClockChange(clicks == 1 ? 2000 : 5000);
        if (clicks == 1) {
            EXPECT_EQ(later, nullptr) << "tracking still reports after Stop time tracking";
        } else {
            ASSERT_NE(later, nullptr) << "tracking stopped although the box was cleared again";
            ClickButton(later, IDCANCEL);
            ASSERT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel.Id()));
        }
        ASSERT_TRUE(panel.Exit());
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, "Do Time Tracking", 99), clicks == 1 ? 0u : 1u);
    }
}

// Under a false clock that starts at 31 December 1999 23:59:55 in every
// program started: the texts of fixed dates, and the year's rollover.
class FakeClockTimeTracking : public ControlPanelTimeTracking {
protected:
    static int64_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
        int64_t seconds = 0;
        kalvor::TimeFromLocal(kalvor::MakeCivilTime(year, month, day, hour, minute, second), seconds);
        return seconds;
    }
};

TEST_F(FakeClockTimeTracking, TheStartupCheckShowsBothTimesAndClosesWhenTheClockCatchesUp) {
    kalvor::WriteSplitTime("Last exit time", LocalTime(2000, 1, 1, 0, 0, 6));
    ASSERT_TRUE(panel_.Start());
    const HWND check = panel_.WaitForQuitTime(10000);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(ControlText(check, kLastQuitTimeLabel), "00:00:06 Saturday, January 01, 2000");
    const std::string first = ControlText(check, kCurrentTimeLabel);
    EXPECT_TRUE(std::regex_match(first, std::regex("23:59:5[5-9] Friday, December 31, 1999"))) << first;

    const std::string rolled = WaitForText(check, kCurrentTimeLabel, 10000, [](const std::string& t) {
        return t.find("Saturday, January 01, 2000") != std::string::npos;
    });
    EXPECT_TRUE(std::regex_match(rolled, std::regex("00:00:0[0-5] Saturday, January 01, 2000"))) << rolled;

    // The second before the quit time shows, then the dialog goes at the
    // quit time on its own.
    const std::string last = WaitForText(check, kCurrentTimeLabel, 10000, [](const std::string& t) {
        return t == "00:00:05 Saturday, January 01, 2000";
    });
    ASSERT_EQ(last, "00:00:05 Saturday, January 01, 2000");
    const DWORD lastSecondSeen = GetTickCount();
    // Closing hides the dialog first; under Wine without a window manager
    // the window itself goes up to two seconds later.
    while ((IsWindow(check) && IsWindowVisible(check)) && GetTickCount() - lastSecondSeen < 10000) Sleep(5);
    const DWORD gone = GetTickCount() - lastSecondSeen;
    ASSERT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 10000, panel_.Id()));
    // The label changes at most 200 ms into a second, the dialog closes at
    // most 200 ms into the next one.
    std::printf("the check closed %lu ms after its last second appeared (1000 ms plus the delay)\n", gone);
    EXPECT_LT(gone, 5000u);
    EXPECT_TRUE(panel_.Exit());
}

TEST_F(FakeClockTimeTracking, TheReportsRunningClockRollsIntoTheNewYear) {
    ASSERT_TRUE(panel_.Start());
    panel_.TimeChanged();
    const HWND report = panel_.WaitForClockChange(10000);
    ASSERT_NE(report, nullptr);
    ExpectClockRollsIntoTheNewYear(report);
    ClickButton(report, IDCANCEL);
    EXPECT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel_.Id()));
    EXPECT_TRUE(panel_.Exit());
}

}  // namespace
}  // namespace e2e
