// The colour test dialog: what counts as a tap, the close after sixteen,
// repaints, the unclipped fill and the taskbar around the test.
#include "hueprobe_fixture.h"

#include "gdi/screen.h"
#include "window/window_manager.h"

#include <mutex>
#include <string>
#include <vector>

namespace {

// Subclass procedures run on the program's thread; the tests read what they
// record after the device has settled.
std::mutex recordLock;
std::vector<std::string> record;
WNDPROC previousProcedure = nullptr;
HueprobeTest* runningTest = nullptr;

void Note(std::string entry) {
    std::lock_guard<std::mutex> guard(recordLock);
    record.push_back(std::move(entry));
}

std::vector<std::string> Recorded() {
    std::lock_guard<std::mutex> guard(recordLock);
    return record;
}

class ColorTest : public HueprobeTest {
protected:
    ColorTest() {
        record.clear();
        runningTest = this;
    }
    ~ColorTest() override { runningTest = nullptr; }

    void Subclass(HWND window, WNDPROC procedure) {
        previousProcedure = (WNDPROC)SetWindowLongW(window, GWL_WNDPROC, (LONG_PTR)procedure);
    }
};

std::string ColourName(COLORREF colour) {
    static const char* names[8] = {"blue", "red", "green", "yellow", "magenta", "cyan", "white", "black"};
    for (int index = 0; index < 8; ++index)
        if (kCycle[index] == colour) return names[index];
    return "other";
}

TEST_F(ColorTest, CaptionTapsLiftsAndMovesDoNotCountAndAHeldPenCountsOnce) {
    DWORD process = StartHueprobe();
    Settle();
    StartCheck(process);
    HWND dialog = ColorDialog(process);
    RECT window = windowRect(dialog);
    POINT onCaption{window.left + 40, window.top + 4};
    ASSERT_EQ(SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(onCaption.x, onCaption.y)), HTCAPTION);

    Tap(onCaption);
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[0]) << "a caption tap is not counted";

    PenDown(kInsideClient);
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[1]);
    Device().get<ce::WindowManager>().penMove(POINT{60, 250});
    Settle();
    Device().get<ce::WindowManager>().penMove(POINT{180, 120});
    Settle();
    PenUp(POINT{180, 120});
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[1]) << "holding, moving and lifting add nothing";

    Tap(kInsideClient);
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[2]);
    CloseProgram(process);
    EXPECT_EQ(WaitForExit(process), 0);
}

// Records the screen after each tap the dialog handles and every close
// request; on the sixteenth tap it queues a seventeenth and an eighteenth
// before the dialog posts its close, as a quick user would.
LRESULT CALLBACK RecordTapsAndCloses(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static int taps = 0;
    if (message == WM_CLOSE) Note("close");
    if (message == WM_LBUTTONDOWN && ++taps == 16) {
        auto& windows = runningTest->Device().get<ce::WindowManager>();
        for (int extra = 0; extra < 2; ++extra) {
            windows.penUp(HueprobeTest::kInsideClient);
            windows.penDown(HueprobeTest::kInsideClient);
        }
    }
    LRESULT result = CallWindowProcW(previousProcedure, window, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN) Note(ColourName(runningTest->ScreenPixel(120, 160)));
    if (message == WM_NCDESTROY) taps = 0;
    return result;
}

TEST_F(ColorTest, TapsHandledAfterTheSixteenthStillPaintButCloseNoMore) {
    DWORD process = StartHueprobe();
    Settle();
    StartCheck(process);
    HWND dialog = ColorDialog(process);
    Subclass(dialog, &RecordTapsAndCloses);
    for (int tap = 1; tap <= 15; ++tap) Tap(kInsideClient);
    PenDown(kInsideClient);

    const std::vector<std::string> expected = {
        "red", "green", "yellow", "magenta", "cyan", "white", "black", "blue", "red", "green", "yellow",
        "magenta", "cyan", "white", "black", "blue", "red", "green", "close"};
    EXPECT_EQ(Recorded(), expected);
    EXPECT_FALSE(IsWindow(dialog));
    HWND launcher = Launcher(process);
    EXPECT_TRUE(Shown(launcher)) << "the launcher received no close of its own";
    PenUp(kInsideClient);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0);
}

TEST_F(ColorTest, RepaintShowsTheCurrentColourWithoutAdvancing) {
    DWORD process = StartHueprobe();
    Settle();
    StartCheck(process);
    HWND dialog = ColorDialog(process);
    for (int tap = 0; tap < 3; ++tap) Tap(kInsideClient);
    ASSERT_EQ(ScreenPixel(120, 160), kCycle[3]);

    // Spoil the screen behind the program's back, then ask for a repaint.
    HDC screen = GetWindowDC(nullptr);
    RECT spoiled{0, 0, 240, 320};
    SetBkColor(screen, RGB(1, 2, 3));
    ExtTextOutW(screen, 0, 0, ETO_OPAQUE, &spoiled, nullptr, 0, nullptr);
    ReleaseDC(nullptr, screen);
    InvalidateRect(dialog, nullptr, TRUE);
    Settle();
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[3]);
    EXPECT_EQ(ScreenPixel(2, 2), kCycle[3]);

    Tap(kInsideClient);
    EXPECT_EQ(ScreenPixel(120, 160), kCycle[4]) << "the repaint did not advance the count";
    CloseProgram(process);
    EXPECT_EQ(WaitForExit(process), 0);
}

TEST_F(ColorTest, FillCoversWindowsAboveTheDialog) {
    DWORD process = StartHueprobe();
    Settle();
    StartCheck(process);
    // A top-most window of the test's own over the middle of the screen.
    ForeignWindow above(RECT{40, 120, 140, 180}, RGB(90, 90, 90), WS_EX_TOPMOST);
    Settle();
    ASSERT_EQ(ScreenPixel(60, 140), RGB(90, 90, 90));

    Tap(POINT{200, 280});
    EXPECT_EQ(ScreenPixel(60, 140), kCycle[1]);
    EXPECT_EQ(ScreenPixel(200, 280), kCycle[1]);
    CloseProgram(process);
    EXPECT_EQ(WaitForExit(process), 0);
}

// Notes each time the taskbar is hidden or shown, with whether a colour
// dialog of the program exists at that moment.
DWORD programProcess = 0;
LRESULT CALLBACK RecordTaskbarShowing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW) {
        bool dialogExists = runningTest->ColorDialog(programProcess) != nullptr;
        Note(std::string(wParam ? "taskbar shown" : "taskbar hidden") +
             (dialogExists ? " with the test dialog" : " without the test dialog"));
    }
    return CallWindowProcW(previousProcedure, window, message, wParam, lParam);
}

TEST_F(ColorTest, TaskbarIsHiddenBeforeTheDialogExistsAndShownAfterItIsGone) {
    programProcess = StartHueprobe();
    Settle();
    Subclass(Taskbar(), &RecordTaskbarShowing);
    StartCheck(programProcess);
    for (int tap = 0; tap < 16; ++tap) Tap(kInsideClient);
    SetWindowLongW(Taskbar(), GWL_WNDPROC, (LONG_PTR)previousProcedure);

    std::vector<std::string> notes = Recorded();
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.front(), "taskbar hidden without the test dialog");
    EXPECT_EQ(notes.back(), "taskbar shown without the test dialog");
    EXPECT_TRUE(Shown(Taskbar()));
    PostMessageW(Launcher(programProcess), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(programProcess), 0);
}

}  // namespace
