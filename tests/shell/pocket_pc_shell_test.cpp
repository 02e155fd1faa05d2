#include "shell_test_support.h"

#include <aygshell.h>
#include <shell/pocket_pc_shell.h>

#include <string>

using namespace shell_test;

namespace {

constexpr COLORREF kTaskbarBlue = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::u16string windowText(HWND window) {
    WCHAR text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

// Centre of the taskbar's "ok" button, which ends 2 px before the right edge.
constexpr POINT kOkButton{240 - 2 - 13, 13};

using PocketPcShell = DeviceTest;

TEST_F(PocketPcShell, BootsWithTaskbarButtonAndTodayScreen) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    settle();

    EXPECT_EQ(FindWindowW(u"HHTaskBar", nullptr), shell->taskbar());
    EXPECT_EQ(windowRect(shell->taskbar()), (RECT{0, 0, 240, 26}));
    EXPECT_EQ(windowRect(shell->desktop()), (RECT{0, 26, 240, 320}));
    EXPECT_EQ(windowRect(shell->inputPanelButton()), (RECT{204, 294, 240, 320}));
    EXPECT_EQ(GetDesktopWindow(), shell->desktop());
    for (HWND window : {shell->taskbar(), shell->desktop(), shell->inputPanelButton()})
        EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(windowText(shell->taskbar()), u"Today");

    EXPECT_EQ(screenPixel(120, 1), kTaskbarBlue);
    EXPECT_EQ(screenPixel(120, 200), kWhite);
}

TEST_F(PocketPcShell, TaskbarShowsTheForegroundTitleAndAnOkButtonThatSendsIdok) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow launcher(u"Launcher", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(launcher.handle());
    SHINITDLGINFO info{SHIDIM_FLAGS, launcher.handle(), SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
    ASSERT_TRUE(SHInitDialog(&info));
    settle();

    EXPECT_EQ(windowText(shell->taskbar()), u"Launcher");
    EXPECT_EQ(screenPixel(240 - 2 - 26 + 1, 5), kWhite) << "the ok button is drawn";

    tap(60, 13);
    settle();
    EXPECT_TRUE(launcher.commands().empty()) << "a tap on the title is no ok";

    tap(kOkButton.x, kOkButton.y);
    settle();
    EXPECT_EQ(launcher.commands(), std::vector<WPARAM>{IDOK});
    EXPECT_EQ(GetForegroundWindow(), launcher.handle()) << "tapping the taskbar does not activate it";
}

TEST_F(PocketPcShell, TaskbarHasNoOkButtonForAWindowWithoutDone) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow plain(u"Plain", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(plain.handle());
    SHINITDLGINFO info{SHIDIM_FLAGS, plain.handle(), SHIDIF_SIZEDLGFULLSCREEN};
    ASSERT_TRUE(SHInitDialog(&info));
    settle();

    EXPECT_EQ(windowText(shell->taskbar()), u"Plain");
    EXPECT_EQ(screenPixel(240 - 2 - 26 + 1, 5), kTaskbarBlue);
    tap(kOkButton.x, kOkButton.y);
    settle();
    EXPECT_TRUE(plain.commands().empty());
}

TEST_F(PocketPcShell, TaskbarFollowsActivationHandOffs) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow first(u"First", WS_POPUP | WS_VISIBLE);
    RecordingWindow second(u"Second", WS_POPUP | WS_VISIBLE);
    SHACTIVATEINFO record{};
    record.cbSize = sizeof record;

    SetForegroundWindow(second.handle());
    SHHandleWMActivate(second.handle(), WA_ACTIVE, 0, &record, 0);
    settle();
    EXPECT_EQ(windowText(shell->taskbar()), u"Second");

    SetForegroundWindow(first.handle());
    SHHandleWMActivate(first.handle(), WA_ACTIVE, 0, &record, 0);
    settle();
    EXPECT_EQ(windowText(shell->taskbar()), u"First");
}

TEST_F(PocketPcShell, ShowingTheTaskbarLeavesTheApplicationActive) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow application(u"Application", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(application.handle());
    ShowWindow(shell->taskbar(), SW_HIDE);
    ShowWindow(shell->taskbar(), SW_SHOW);
    settle();
    EXPECT_TRUE(IsWindowVisible(shell->taskbar()));
    EXPECT_EQ(GetForegroundWindow(), application.handle());
    EXPECT_EQ(GetActiveWindow(), application.handle());
}

TEST_F(PocketPcShell, TodayScreenStaysBehindWindowsWhenActivated) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow application(u"Application", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(application.handle());
    SetForegroundWindow(shell->desktop());
    settle();
    EXPECT_EQ(GetForegroundWindow(), shell->desktop());
    EXPECT_EQ(GetWindow(shell->desktop(), GW_HWNDLAST), shell->desktop()) << "last in the Z order";
}

TEST_F(PocketPcShell, EndingTheShellRemovesItsWindows) {
    auto shell = ce::shell::PocketPcShell::boot(*device_);
    HWND taskbar = shell->taskbar();
    HWND desktop = shell->desktop();
    shell.reset();
    EXPECT_FALSE(IsWindow(taskbar));
    EXPECT_FALSE(IsWindow(desktop));
    EXPECT_EQ(FindWindowW(u"HHTaskBar", nullptr), nullptr);
}

}  // namespace
