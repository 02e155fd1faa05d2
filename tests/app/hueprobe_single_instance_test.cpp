// Only one copy of Hueprobe runs: a second start brings the first forward
// and ends with -1; a copy still starting (mark, no window) is waited for.
#include "hueprobe_fixture.h"

namespace {

TEST_F(HueprobeTest, SecondCopyBringsTheRunningLauncherForwardAndEndsWithMinusOne) {
    DWORD first = StartHueprobe();
    Settle();
    HWND launcher = Launcher(first);
    ASSERT_NE(launcher, nullptr);
    // Something else in front, so that the hand-over is visible.
    ForeignWindow other(RECT{0, 26, 240, 200}, RGB(90, 90, 90));
    SetForegroundWindow(other.handle());
    Settle();
    ASSERT_NE(GetForegroundWindow(), launcher);

    DWORD second = StartHueprobe();
    EXPECT_EQ(WaitForExit(second), -1);
    Settle();
    EXPECT_EQ(GetForegroundWindow(), launcher);
    EXPECT_EQ(Launcher(second), nullptr) << "the second copy shows nothing";
    EXPECT_FALSE(HasEnded(first));

    PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(first), 0);
}

TEST_F(HueprobeTest, SecondCopyDuringTheColourTestBringsTheTestForward) {
    DWORD first = StartHueprobe();
    Settle();
    StartCheck(first);
    HWND colorDialog = ColorDialog(first);
    ForeignWindow other(RECT{0, 26, 240, 200}, RGB(90, 90, 90));
    SetForegroundWindow(other.handle());
    Settle();

    DWORD second = StartHueprobe();
    EXPECT_EQ(WaitForExit(second), -1);
    Settle();
    EXPECT_EQ(GetForegroundWindow(), colorDialog) << "the launcher's owned test dialog comes with it";
    EXPECT_TRUE(Shown(colorDialog));

    PostMessageW(colorDialog, WM_CLOSE, 0, 0);
    Settle();
    PostMessageW(Launcher(first), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(first), 0);
}

TEST_F(HueprobeTest, CopyStillStartingIsLookedForThreeTimesASecondApartThenRunsAnyway) {
    // The mark of a copy that has no window yet: the executable's full path.
    HANDLE mark = CreateMutexW(nullptr, FALSE, u"\\Windows\\Hueprobe.exe");
    ASSERT_NE(mark, nullptr);
    const DWORD before = GetTickCount();
    DWORD process = StartHueprobe();
    Settle();
    HWND launcher = Launcher(process);
    ASSERT_NE(launcher, nullptr) << "after the lookups the program runs normally";
    EXPECT_EQ(GetTickCount() - before, 2000u) << "three lookups, one second apart";

    PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0);
    CloseHandle(mark);
}

TEST_F(HueprobeTest, FirstCopyStartsWithoutWaiting) {
    const DWORD before = GetTickCount();
    DWORD process = StartHueprobe();
    Settle();
    ASSERT_NE(Launcher(process), nullptr);
    EXPECT_EQ(GetTickCount() - before, 0u);
    PostMessageW(Launcher(process), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0);
}

}  // namespace
