#include "shell_test_support.h"

#include <aygshell.h>
#include <shell/pocket_pc_shell.h>
#include <shell/windows_mobile_shell.h>

using namespace shell_test;

namespace {

using FullScreen = DeviceTest;

TEST_F(FullScreen, HidesAndShowsTheTaskbarAndTheInputPanelButton) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow window(u"Game");
    SetForegroundWindow(window.handle());
    ASSERT_TRUE(IsWindowVisible(shell->taskbar()));
    ASSERT_TRUE(IsWindowVisible(shell->inputPanelButton()));

    struct Step {
        DWORD state;
        bool taskbarVisible;
        bool buttonVisible;
    };
    const Step steps[] = {
        {SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON, false, false},  // the test dialog's 0x0A
        {SHFS_SHOWTASKBAR, true, false},
        {SHFS_SHOWSIPBUTTON, true, true},
        {SHFS_HIDESIPBUTTON, true, false},
        {SHFS_HIDETASKBAR | SHFS_HIDESTARTICON, false, false},
        {SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON, true, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.state);
        EXPECT_TRUE(SHFullScreen(window.handle(), step.state));
        EXPECT_EQ(IsWindowVisible(shell->taskbar()) != FALSE, step.taskbarVisible);
        EXPECT_EQ(IsWindowVisible(shell->inputPanelButton()) != FALSE, step.buttonVisible);
    }
}

TEST_F(FullScreen, HidingFailsForAWindowThatIsNotInTheForeground) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow background(u"Background");
    RecordingWindow foreground(u"Foreground");
    SetForegroundWindow(foreground.handle());

    EXPECT_FALSE(SHFullScreen(background.handle(), SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON));
    EXPECT_TRUE(IsWindowVisible(shell->taskbar()));
    EXPECT_TRUE(IsWindowVisible(shell->inputPanelButton()));

    // Showing needs no foreground.
    ASSERT_TRUE(SHFullScreen(foreground.handle(), SHFS_HIDETASKBAR));
    EXPECT_TRUE(SHFullScreen(background.handle(), SHFS_SHOWTASKBAR));
    EXPECT_TRUE(IsWindowVisible(shell->taskbar()));
}

TEST_F(FullScreen, RejectsANullOrDestroyedWindow) {
    EXPECT_FALSE(SHFullScreen(nullptr, SHFS_SHOWTASKBAR));
    HWND gone;
    {
        RecordingWindow window(u"Gone");
        gone = window.handle();
    }
    EXPECT_FALSE(SHFullScreen(gone, SHFS_SHOWTASKBAR));
}

TEST_F(FullScreen, HidesTheButtonOfTheRequestersMenuBar) {
    auto shell = ce::shell::WindowsMobileShell::boot(*device_);
    settle();
    ASSERT_EQ(GetForegroundWindow(), shell->desktop());
    ASSERT_TRUE(IsWindowVisible(shell->inputPanelButton()));

    EXPECT_TRUE(SHFullScreen(shell->desktop(), SHFS_HIDESIPBUTTON));
    EXPECT_FALSE(IsWindowVisible(shell->inputPanelButton()));
    EXPECT_TRUE(IsWindowVisible(shell->menuBar()));
}

}  // namespace
