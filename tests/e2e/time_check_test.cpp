// The time settings check from the tray menu: its texts and running clock,
// its two answers, and that the clock changes it leads to raise no report.
#include <cstdio>
#include <regex>
#include <string>

#include "control_panel_session.h"
#include "scenario.h"

namespace e2e {
namespace {

// Rows of a window's on-screen pixels that hold dark (text) pixels, from the
// first to the last.
int InkRows(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    int first = -1;
    int last = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(memory, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return first < 0 ? 0 : last - first + 1;
}

class ControlPanelTimeCheck : public SettledControlPanel {
protected:
    void SetUp() override {
        SettledControlPanel::SetUp();
        StartPanel();
    }

    HWND OpenCheck() {
        panel_.Command(kCheckTimeAndDate);
        return WaitForWindow(kTimeCheckTitle, 5000, panel_.Id());
    }

    // After the check, tracking is armed again: a time change is reported.
    void ExpectTrackingArmed() {
        panel_.TimeChanged();
        const HWND report = panel_.WaitForClockChange(5000);
        ASSERT_NE(report, nullptr) << "time tracking was left disarmed";
        ClickButton(report, IDCANCEL);
        EXPECT_TRUE(WaitForWindowGone(kTimeUncertaintyCaption, 5000, panel_.Id()));
    }
};

TEST_F(ControlPanelTimeCheck, ShowsTheZoneAndARunningClockUnderItsBoldHeading) {
    const HWND check = OpenCheck();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(ControlText(check, kImportantLabel), "This is very important!");
    EXPECT_NE(ControlText(check, kTimeZoneLabel), "");
    const LONG style = GetWindowLongA(check, GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU) << "the check has a close box";
    EXPECT_TRUE(GetWindowLongA(check, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not system-modal";
    EXPECT_EQ(ControlText(check, IDOK), "PC Timer is Ok");
    EXPECT_EQ(ControlText(check, IDCANCEL), "Change PC Timer Settings");

    // The heading is drawn in its own large font: its letters are much
    // taller than those of 8-point text (about 10 pixels from the top of "T"
    // to the bottom of "y").
    const int inkRows = InkRows(GetDlgItem(check, kImportantLabel));
    std::printf("the heading's letters are %d pixels high\n", inkRows);
    EXPECT_GE(inkRows, 15);

    const std::string first = ControlText(check, kRunningClockLabel);
    EXPECT_TRUE(std::regex_match(
        first, std::regex("[A-Z][a-z]+day, [A-Z][a-z]+ [0-3][0-9], [0-9]{4}, [0-2][0-9]:[0-5][0-9]:[0-5][0-9]")))
        << first;
    const std::string later =
        WaitForText(check, kRunningClockLabel, 3000, [&](const std::string& t) { return t != first; });
    EXPECT_NE(later, first) << "the clock does not run";

    ClickButton(check, IDOK);
    EXPECT_TRUE(WaitForWindowGone(kTimeCheckTitle, 5000, panel_.Id()));
    EXPECT_EQ(panel_.WaitForSetTimeMessage(1000), nullptr) << "PC Timer is Ok asked to set the clock";
    ExpectTrackingArmed();
    EXPECT_TRUE(panel_.Exit());
}

// "Change PC Timer Settings" and Esc both open the settings from the check
// itself; clock changes while the user sets the clock raise no report.
TEST_F(ControlPanelTimeCheck, ChangePcTimerSettingsAndEscOpenTheSettingsAtOnce) {
    struct Answer {
        const char* name;
        void (*give)(HWND check);
    };
    const Answer answers[] = {
        {"Change PC Timer Settings", [](HWND check) { ClickButton(check, IDCANCEL); }},
        {"Esc", [](HWND check) { PressKey(GetDlgItem(check, IDOK), VK_ESCAPE); }},
    };
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.name);
        const HWND check = OpenCheck();
        ASSERT_NE(check, nullptr);
        const DWORD asked = GetTickCount();
        answer.give(check);
        EXPECT_TRUE(WaitForProcess("control.exe", 5000)) << "the date and time settings were not asked for";
        const HWND message = panel_.WaitForSetTimeMessage(5000);
        ASSERT_NE(message, nullptr);
        std::printf("%s: the set-time message came %lu ms after the answer\n", answer.name, GetTickCount() - asked);
        EXPECT_EQ(MessageBoxText(message), "Press Ok when you finish setting time settings.");
        EXPECT_FALSE(IsWindowVisible(check)) << "the check stays visible behind the message";

        panel_.TimeChanged();
        EXPECT_EQ(panel_.WaitForClockChange(1500), nullptr) << "setting the clock raised a report";

        ClickButton(message, IDOK);
        EXPECT_TRUE(WaitForWindowGone(kTimeCheckTitle, 5000, panel_.Id()));
        ExpectTrackingArmed();
    }
    EXPECT_TRUE(panel_.Exit());
}

// Under a false clock that starts at 31 December 1999 23:59:55 in every
// program started.
using FakeClockTimeCheck = ControlPanelTimeCheck;

TEST_F(FakeClockTimeCheck, TheRunningClockRollsIntoTheNewYear) {
    const HWND check = OpenCheck();
    ASSERT_NE(check, nullptr);
    ExpectClockRollsIntoTheNewYear(check);
    ClickButton(check, IDOK);
    EXPECT_TRUE(WaitForWindowGone(kTimeCheckTitle, 5000, panel_.Id()));
    EXPECT_TRUE(panel_.Exit());
}

}  // namespace
}  // namespace e2e
