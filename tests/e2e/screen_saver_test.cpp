// The screen saver as Windows starts it: the command-line switches, the single
// copy, the full-screen window with its blinds, picture and two lines of text
// read back from the screen pixel by pixel, and the ways to end it. The
// FakeClock scenarios run with the clock just before midnight of 1999.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "countdown.h"
#include "local_time.h"
#include "scenario.h"
#include "util.h"

namespace {

using e2e::Program;

const char kTitle[] = "Screen Saver 2000";
const char kProgram[] = "screen_saver\\Kalvor.scr";
const int kPictureId = 131;
const int kMargin = 2;
const COLORREF kGrey = RGB(136, 136, 136);
const COLORREF kWhite = RGB(255, 255, 255);

// The whole screen, read back as 0x00RRGGBB values.
struct Screen {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Black, or the nearly black that erases a line.
bool IsBlack(uint32_t pixel) { return pixel == 0x000000 || pixel == 0x000001; }

uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Copies a device context area into top-down 32-bit pixels.
std::vector<uint32_t> ReadPixels(HDC source, int x, int y, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) return pixels;
    const HDC memory = CreateCompatibleDC(source);
    const HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* data = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = data[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return pixels;
}

Screen CaptureScreen() {
    Screen screen;
    screen.width = GetSystemMetrics(SM_CXSCREEN);
    screen.height = GetSystemMetrics(SM_CYSCREEN);
    const HDC dc = GetDC(nullptr);
    screen.pixels = ReadPixels(dc, 0, 0, screen.width, screen.height);
    ReleaseDC(nullptr, dc);
    return screen;
}

// One line of text as the screen saver sets it: 10-point Tahoma, one colour,
// no background. The mask holds the lit pixels of the line drawn at (0, 0).
struct TextLine {
    std::string text;
    SIZE size = {};
    std::vector<bool> mask;
};

TextLine RenderLine(const std::string& text) {
    TextLine line;
    line.text = text;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    winui::GdiObject<HFONT> font(winui::CreatePointFont(100, "Tahoma"));
    {
        winui::SelectGuard selectFont(memory, font.Get());
        GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &line.size);
    }
    winui::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, line.size.cx, line.size.cy));
    {
        winui::SelectGuard selectBitmap(memory, bitmap.Get());
        winui::SelectGuard selectFont(memory, font.Get());
        RECT all = {0, 0, line.size.cx, line.size.cy};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, kWhite);
        TextOutA(memory, 0, 0, text.c_str(), static_cast<int>(text.size()));
        for (uint32_t pixel : ReadPixels(memory, 0, 0, line.size.cx, line.size.cy)) line.mask.push_back(pixel != 0);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return line;
}

// True when the line shows on the screen at (x, y) in its colour, pixel for
// pixel, with nothing lit in between its strokes.
bool ShowsAt(const Screen& screen, const TextLine& line, COLORREF colour, int x, int y) {
    if (x < 0 || y < 0 || x + line.size.cx > screen.width || y + line.size.cy > screen.height) return false;
    for (int row = 0; row < line.size.cy; ++row) {
        for (int col = 0; col < line.size.cx; ++col) {
            const bool lit = line.mask[static_cast<size_t>(row) * line.size.cx + col];
            const bool shown = screen.At(x + col, y + row) == Rgb(colour);
            if (lit != shown) return false;
        }
    }
    return true;
}

// What the two lines at the bottom right read, when they read one of the
// candidate pairs exactly where the screen saver sets them.
struct Reading {
    bool found = false;
    kalvor::ScreenSaverText text;
    RECT firstBox = {};
    RECT secondBox = {};

    bool Covers(int x, int y) const {
        const POINT p = {x, y};
        return PtInRect(&firstBox, p) || PtInRect(&secondBox, p);
    }
};

Reading ReadLines(const Screen& screen, const std::vector<kalvor::ScreenSaverText>& candidates) {
    for (const kalvor::ScreenSaverText& candidate : candidates) {
        const TextLine first = RenderLine(candidate.firstLine);
        const TextLine second = RenderLine(candidate.secondLine);
        const int secondX = screen.width - second.size.cx - kMargin;
        const int secondY = screen.height - second.size.cy - kMargin;
        const int firstX = screen.width - first.size.cx - kMargin;
        const int firstY = screen.height - second.size.cy - first.size.cy - 2 * kMargin;
        if (ShowsAt(screen, first, kGrey, firstX, firstY) && ShowsAt(screen, second, kWhite, secondX, secondY)) {
            Reading reading;
            reading.found = true;
            reading.text = candidate;
            reading.firstBox = {firstX, firstY, firstX + first.size.cx, firstY + first.size.cy};
            reading.secondBox = {secondX, secondY, secondX + second.size.cx, secondY + second.size.cy};
            return reading;
        }
    }
    return Reading();
}

// The texts the screen saver may show around now, by this process's clock
// (the same clock, false or not, as the screen saver's).
std::vector<kalvor::ScreenSaverText> TextsAroundNow() {
    std::vector<kalvor::ScreenSaverText> texts;
    const int64_t now = kalvor::CurrentTime();
    for (int64_t t = now + 1; t >= now - 3; --t) {
        kalvor::CivilTime local;
        if (kalvor::LocalFromTime(t, local)) texts.push_back(kalvor::ScreenSaverTextAt(local));
    }
    return texts;
}

// Polls the screen until the lines read one of the texts around the time of
// each look; an empty reading on timeout.
Reading WaitForLines(DWORD timeoutMs, Screen* shot = nullptr) {
    Reading reading;
    e2e::PollUntil(
        timeoutMs,
        [&] {
            const Screen screen = CaptureScreen();
            reading = ReadLines(screen, TextsAroundNow());
            if (reading.found && shot) *shot = screen;
            return reading.found;
        },
        100);
    return reading;
}

// Polls until the second line reads something other than it did in `from`;
// an empty reading on timeout.
Reading WaitForNextSecondLine(const Reading& from, DWORD timeoutMs) {
    Reading next;
    const bool changed = e2e::PollUntil(timeoutMs, [&] {
        next = WaitForLines(timeoutMs);
        return !next.found || next.text.secondLine != from.text.secondLine;
    });
    return changed && next.found ? next : Reading();
}

std::string SaveShot(const std::string& name) {
    const std::string folder = e2e::BuildFolder() + "\\screens";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name;
    EXPECT_TRUE(e2e::SaveScreenshot(path)) << path;
    std::printf("screenshot: %s\n", path.c_str());
    return path;
}

// Bitmap 131 as stored in the screen saver file, as 0x00RRGGBB pixels.
Screen PictureResource() {
    Screen picture;
    const std::string path = e2e::BuildFolder() + "\\" + kProgram;
    const HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return picture;
    winui::GdiObject<HBITMAP> bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(kPictureId)));
    if (bitmap) {
        BITMAP info = {};
        GetObjectA(bitmap.Get(), sizeof info, &info);
        const HDC screen = GetDC(nullptr);
        const HDC memory = CreateCompatibleDC(screen);
        {
            winui::SelectGuard select(memory, bitmap.Get());
            picture.width = info.bmWidth;
            picture.height = info.bmHeight;
            picture.pixels = ReadPixels(memory, 0, 0, info.bmWidth, info.bmHeight);
        }
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    FreeLibrary(module);
    return picture;
}

// A plain white window over the whole screen, so that the blinds have
// something to cover.
class WhiteCover {
public:
    WhiteCover() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "ScreenSaverTestCover";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "White cover", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                wc.hInstance, nullptr);
        UpdateWindow(hwnd_);
        Pump();
    }
    ~WhiteCover() {
        if (hwnd_) DestroyWindow(hwnd_);
        Pump();
    }
    WhiteCover(const WhiteCover&) = delete;
    WhiteCover& operator=(const WhiteCover&) = delete;

    // Waits until the screen shows the cover.
    bool Shows(DWORD timeoutMs) const {
        return e2e::PollUntil(
            timeoutMs,
            [] {
                Pump();
                const Screen screen = CaptureScreen();
                return screen.At(screen.width / 2, screen.height / 2) == 0xFFFFFF && screen.At(5, 5) == 0xFFFFFF;
            },
            50);
    }

private:
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    HWND hwnd_ = nullptr;
};

class ScreenSaver : public e2e::Scenario {
protected:
    // Starts the screen saver with "/s" and waits until its text shows.
    HWND StartAndWaitForText(Program& saver) {
        saver = Program::Start(kProgram, "/s");
        EXPECT_TRUE(saver.Started());
        const HWND window = e2e::WaitForWindow(kTitle, 15000, saver.Id());
        EXPECT_NE(window, nullptr) << "no \"" << kTitle << "\" window";
        if (window) {
            EXPECT_TRUE(WaitForLines(15000).found) << "the text never showed";
        }
        return window;
    }

    static void ExpectEndsSoon(Program& saver) {
        DWORD exitCode = 1234;
        ASSERT_TRUE(saver.WaitForExit(10000, &exitCode)) << "the screen saver kept running";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_TRUE(e2e::FindWindows(kTitle).empty());
    }
};

TEST_F(ScreenSaver, ConfigureAndPreviewRequestsEndAtOnceWithoutAWindow) {
    for (const char* arguments : {"/c", "/C", "/c:1234", "/p 1234", "/P 1234", ""}) {
        Program saver = Program::Start(kProgram, arguments);
        ASSERT_TRUE(saver.Started()) << arguments;
        DWORD exitCode = 1234;
        ASSERT_TRUE(saver.WaitForExit(10000, &exitCode)) << "still running with \"" << arguments << "\"";
        EXPECT_EQ(exitCode, 0u) << arguments;
        EXPECT_TRUE(e2e::FindWindows(kTitle).empty()) << arguments;
    }
}

TEST_F(ScreenSaver, CoversTheScreenWithBlindsThenShowsThePictureAndTheCountdownLines) {
    WhiteCover cover;
    ASSERT_TRUE(cover.Shows(10000)) << "the white cover never showed";

    Program saver = Program::Start(kProgram, "/s");
    ASSERT_TRUE(saver.Started());
    const HWND window = e2e::WaitForWindow(kTitle, 15000, saver.Id());
    ASSERT_NE(window, nullptr);

    // A topmost popup with a thin border whose client area is the screen.
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_FALSE(style & WS_CAPTION & ~WS_BORDER);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_CLIENTEDGE);
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(client.bottom, GetSystemMetrics(SM_CYSCREEN));

    Screen screen;
    const Reading reading = WaitForLines(15000, &screen);
    ASSERT_TRUE(reading.found) << "the two lines never showed at the bottom right";
    SaveShot("screen_saver_running.bmp");
    std::printf("lines: \"%s\" / \"%s\"\n", reading.text.firstLine.c_str(), reading.text.secondLine.c_str());

    // Bitmap 131, pixel for pixel, in the middle of the screen.
    const Screen picture = PictureResource();
    ASSERT_EQ(picture.width, 280);
    ASSERT_EQ(picture.height, 256);
    const int left = screen.width / 2 - picture.width / 2;
    const int top = screen.height / 2 - picture.height / 2;
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) wrong += screen.At(left + x, top + y) != picture.At(x, y);
    }
    EXPECT_EQ(wrong, 0) << "pixels of the picture that differ";

    // Everywhere else the blinds left the white cover black, or the nearly
    // black of an erased line.
    int notBlack = 0;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const bool inPicture = x >= left && x < left + picture.width && y >= top && y < top + picture.height;
            if (!inPicture && !reading.Covers(x, y)) notBlack += !IsBlack(screen.At(x, y));
        }
    }
    EXPECT_EQ(notBlack, 0) << "pixels outside the picture and the text that are not black";

    // The second line follows the clock.
    const Reading later = WaitForLines(15000);
    ASSERT_TRUE(later.found);
    EXPECT_TRUE(WaitForNextSecondLine(later, 15000).found) << "the second line did not change";

    PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    ExpectEndsSoon(saver);
}

TEST_F(ScreenSaver, ASecondStartEndsAtOnce) {
    Program first;
    const HWND window = StartAndWaitForText(first);
    ASSERT_NE(window, nullptr);

    for (const char* arguments : {"/s", "/S"}) {
        Program second = Program::Start(kProgram, arguments);
        ASSERT_TRUE(second.Started());
        DWORD exitCode = 1234;
        ASSERT_TRUE(second.WaitForExit(10000, &exitCode)) << "the second copy kept running";
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_EQ(e2e::FindWindows(kTitle).size(), 1u);
    EXPECT_TRUE(first.Running());

    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ExpectEndsSoon(first);
}

TEST_F(ScreenSaver, FourMouseMovesAreToleratedTheFifthEndsIt) {
    Program saver;
    const HWND window = StartAndWaitForText(saver);
    ASSERT_NE(window, nullptr);

    for (int move = 1; move <= 4; ++move)
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(500 + move, 400 + move));
    // The moves are handled in order with the timer ticks: once the text has
    // been refreshed after them, they have all been seen.
    const Reading before = WaitForLines(15000);
    ASSERT_TRUE(before.found);
    ASSERT_TRUE(WaitForNextSecondLine(before, 15000).found);
    EXPECT_TRUE(saver.Running()) << "four mouse moves ended the screen saver";

    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(505, 405));
    ExpectEndsSoon(saver);
}

TEST_F(ScreenSaver, AKeyOrAMouseButtonEndsIt) {
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"a key", WM_KEYDOWN, 'A'},
        {"the left button", WM_LBUTTONDOWN, MK_LBUTTON},
        {"the right button", WM_RBUTTONDOWN, MK_RBUTTON},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Program saver;
        const HWND window = StartAndWaitForText(saver);
        ASSERT_NE(window, nullptr);
        PostMessageA(window, c.message, c.wParam, MAKELPARAM(100, 100));
        ExpectEndsSoon(saver);
    }
}

TEST_F(ScreenSaver, ARealClickEndsIt) {
    Program saver;
    ASSERT_NE(StartAndWaitForText(saver), nullptr);
    INPUT clicks[2] = {};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
    ExpectEndsSoon(saver);
}


// Started at 23:59:50 on 31 December 1999, with the clock running on.
class FakeClockScreenSaver : public ScreenSaver {};

bool Before2000() {
    kalvor::CivilTime local;
    return kalvor::LocalFromTime(kalvor::CurrentTime(), local) && local.year < 2000;
}

TEST_F(FakeClockScreenSaver, CountsDownToMidnightThenWelcomesTheFuture) {
    ASSERT_TRUE(Before2000()) << "the clock is not set just before 2000";
    Program saver = Program::Start(kProgram, "/s");
    ASSERT_TRUE(saver.Started());
    const HWND window = e2e::WaitForWindow(kTitle, 15000, saver.Id());
    ASSERT_NE(window, nullptr);

    const Reading countdown = WaitForLines(15000);
    ASSERT_TRUE(countdown.found) << "the two lines never showed";
    ASSERT_EQ(countdown.text.firstLine, "Time left till Year 2000:")
        << "the start took too long to see the countdown; it showed: " << countdown.text.secondLine;
    EXPECT_EQ(countdown.text.secondLine.rfind("0 days, 00 hours, 00 minutes, 0", 0), 0u) << countdown.text.secondLine;
    SaveShot("screen_saver_countdown.bmp");
    std::printf("countdown: %s\n", countdown.text.secondLine.c_str());

    // Past midnight: the welcome over the date, with no trace of the wider
    // heading before it.
    ASSERT_TRUE(e2e::PollUntil(30000, [] { return !Before2000(); }, 100)) << "the clock did not reach 2000";
    // The lines may still show the last second of 1999 for a moment.
    Screen screen;
    Reading future;
    e2e::PollUntil(15000, [&] {
        future = WaitForLines(15000, &screen);
        return !future.found || future.text.secondLine.find("2000") != std::string::npos;
    });
    ASSERT_TRUE(future.found) << "the lines did not read as expected after midnight";
    EXPECT_EQ(future.text.firstLine, "Welcome to the Future!");
    EXPECT_NE(future.text.secondLine.find("Saturday, January 01, 2000"), std::string::npos) << future.text.secondLine;
    SaveShot("screen_saver_future.bmp");
    std::printf("after midnight: %s\n", future.text.secondLine.c_str());

    int leftovers = 0;
    for (int y = screen.height - 100; y < screen.height; ++y) {
        for (int x = screen.width / 2; x < screen.width; ++x) {
            if (!future.Covers(x, y)) leftovers += !IsBlack(screen.At(x, y));
        }
    }
    EXPECT_EQ(leftovers, 0) << "lit pixels left around the lines";

    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ExpectEndsSoon(saver);
}

}  // namespace
