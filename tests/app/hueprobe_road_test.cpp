// Hueprobe's typical road and the ways its launcher ends.
#include "hueprobe_fixture.h"

#include <string>

namespace {

constexpr int kStartCheck = 1000;
constexpr int kExit = 1001;

TEST_F(HueprobeTest, TypicalRoadFromLauncherThroughSixteenTapsToExit) {
    DWORD process = StartHueprobe();
    Settle();
    HWND launcher = Launcher(process);
    ASSERT_NE(launcher, nullptr);
    EXPECT_TRUE(Shown(launcher));
    EXPECT_TRUE(Shown(Taskbar()));

    StartCheck(process);
    HWND colorDialog = ColorDialog(process);
    EXPECT_TRUE(Shown(colorDialog));
    EXPECT_FALSE(Shown(Taskbar()));
    EXPECT_FALSE(IsWindowEnabled(launcher));
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[0]) << "the first colour is blue";
    // Moved up over the taskbar strip and sized by its old right and bottom
    // edges: (0, 26, 240, 320) becomes (0, 0, 240, 346).
    RECT testArea = windowRect(colorDialog);
    EXPECT_EQ(testArea.left, 0);
    EXPECT_EQ(testArea.top, 0);
    EXPECT_EQ(testArea.right, 240);
    EXPECT_EQ(testArea.bottom, 346);
    EXPECT_EQ(ScreenPixel(239, 319), kCycle[0]) << "the fill reaches the screen's far corner";

    for (int tap = 1; tap <= 16; ++tap) {
        SCOPED_TRACE("tap " + std::to_string(tap));
        // Tap 16 paints before its posted close takes effect; the pixel is
        // checked on the pen's way down, before anything repaints it.
        PenDown(kInsideClient);
        if (tap < 16) {
            EXPECT_EQ(ScreenPixel(120, 160), kCycle[tap % 8]);
            EXPECT_EQ(ScreenPixel(5, 5), kCycle[tap % 8]) << "the fill starts at the screen's corner";
        }
        PenUp(kInsideClient);
    }
    EXPECT_FALSE(IsWindow(colorDialog));
    EXPECT_TRUE(Shown(Taskbar()));
    EXPECT_TRUE(IsWindowEnabled(launcher));
    EXPECT_EQ(GetForegroundWindow(), launcher);

    Tap(ButtonCentre(launcher, kExit));
    EXPECT_EQ(WaitForExit(process), 0);
    EXPECT_FALSE(IsWindow(launcher));
}

TEST_F(HueprobeTest, LauncherIsFullScreenBelowTheTaskbarWithIconAndDoneButton) {
    DWORD process = StartHueprobe();
    Settle();
    HWND launcher = Launcher(process);
    ASSERT_NE(launcher, nullptr);
    RECT rect = windowRect(launcher);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // Sized below the taskbar and above its menu bar, then centred on the
    // screen, which leaves it where it is.
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, width);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.bottom, height - 26);
    EXPECT_TRUE(GetWindowLongW(launcher, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
    EXPECT_NE(SendMessageW(launcher, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(SendMessageW(launcher, WM_GETICON, ICON_BIG, 0), SendMessageW(launcher, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(GetForegroundWindow(), launcher);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0);
}

struct EndCase {
    const char* name;
    void (*end)(HueprobeTest&, HWND launcher);
};

TEST_F(HueprobeTest, ExitButtonCaptionOkAndCloseRequestAllEndTheProgram) {
    const EndCase cases[] = {
        {"Exit button", [](HueprobeTest& test, HWND launcher) { test.Tap(test.ButtonCentre(launcher, kExit)); }},
        {"caption OK", [](HueprobeTest& test, HWND launcher) { test.TapCaptionOk(launcher); }},
        {"close request", [](HueprobeTest&, HWND launcher) { PostMessageW(launcher, WM_CLOSE, 0, 0); }},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD process = StartHueprobe();
        Settle();
        HWND launcher = Launcher(process);
        ASSERT_NE(launcher, nullptr);
        c.end(*this, launcher);
        EXPECT_EQ(WaitForExit(process), 0);
        EXPECT_FALSE(IsWindow(launcher));
    }
}

TEST_F(HueprobeTest, EveryRunOfTheTestStartsAgainAtBlue) {
    DWORD process = StartHueprobe();
    Settle();
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        StartCheck(process);
        EXPECT_EQ(ScreenPixel(120, 160), kCycle[0]);
        Tap(kInsideClient);
        Tap(kInsideClient);
        EXPECT_EQ(ScreenPixel(120, 160), kCycle[2]);
        // A close request ends the test early, as the caption's OK would.
        PostMessageW(ColorDialog(process), WM_CLOSE, 0, 0);
        Settle();
        EXPECT_EQ(ColorDialog(process), nullptr);
        EXPECT_TRUE(Shown(Taskbar()));
        EXPECT_TRUE(IsWindowEnabled(Launcher(process)));
    }
    PostMessageW(Launcher(process), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0);
}

}  // namespace
