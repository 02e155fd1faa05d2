#include "shell_test_support.h"

#include <aygshell.h>
#include <shell/windows_mobile_shell.h>

using namespace shell_test;

namespace {

using ce::shell::WindowsMobileShell;

DWORD readyEventState() {
    HANDLE event = OpenEventW(EVENT_ALL_ACCESS, FALSE, u"SYSTEM/ShellInit");
    if (!event) return WAIT_FAILED;
    DWORD state = WaitForSingleObject(event, 0);
    CloseHandle(event);
    return state;
}

struct Layout {
    RECT desktop, menuBar, container, content, strip;
};

Layout layoutOf(const WindowsMobileShell& shell) {
    return {windowRect(shell.desktop()), windowRect(shell.menuBar()), windowRect(shell.container()),
            windowRect(shell.contentPane()), windowRect(shell.stripPane())};
}

void expectShellLayout(const WindowsMobileShell& shell, int width, int height) {
    Layout layout = layoutOf(shell);
    EXPECT_EQ(layout.desktop, (RECT{0, 26, width, height - 26}));
    EXPECT_EQ(layout.menuBar, (RECT{0, height - 26, width, height}));
    EXPECT_EQ(layout.container, (RECT{0, 26, width, height - 26}));
    EXPECT_EQ(layout.strip, (RECT{0, height - 26 - 40, width, height - 26}));
    EXPECT_EQ(layout.content, (RECT{0, 26, width, height - 26 - 40}));
    EXPECT_TRUE(IsWindowVisible(shell.menuBar()));
    EXPECT_TRUE(IsWindowVisible(shell.inputPanelButton()));
}

// What a driver does to the shell's windows: bar below the screen, desktop
// over the whole screen, input-panel button hidden.
void disturbLayout(const WindowsMobileShell& shell) {
    MoveWindow(shell.menuBar(), 0, 320, 240, 26, TRUE);
    SetWindowPos(shell.desktop(), nullptr, 0, 0, 240, 320, SWP_NOZORDER);
    ShowWindow(shell.inputPanelButton(), SW_HIDE);
    ASSERT_EQ(windowRect(shell.desktop()), (RECT{0, 0, 240, 320}));
    ASSERT_FALSE(IsWindowVisible(shell.inputPanelButton()));
}

using WindowsMobile = DeviceTest;

TEST_F(WindowsMobile, BootsWithTheDesktopWindowTree) {
    auto shell = WindowsMobileShell::boot(*device_);
    settle();

    EXPECT_EQ(GetDesktopWindow(), shell->desktop());
    EXPECT_EQ(FindWindowW(u"HHTaskBar", nullptr), shell->taskbar());
    EXPECT_EQ(windowRect(shell->taskbar()), (RECT{0, 0, 240, 26}));
    EXPECT_EQ(SHFindMenuBar(shell->desktop()), shell->menuBar());
    EXPECT_EQ(GetParent(shell->inputPanelButton()), shell->menuBar());
    EXPECT_EQ(windowRect(shell->inputPanelButton()), (RECT{102, 294, 138, 320}));

    // The driver's path to its panes: strip first, content pane next.
    HWND container = GetWindow(shell->desktop(), GW_CHILD);
    EXPECT_EQ(container, shell->container());
    EXPECT_EQ(GetWindow(container, GW_CHILD), shell->stripPane());
    EXPECT_EQ(GetWindow(shell->stripPane(), GW_HWNDNEXT), shell->contentPane());
    EXPECT_EQ(GetWindow(shell->contentPane(), GW_HWNDNEXT), nullptr);
    expectShellLayout(*shell, 240, 320);
}

TEST_F(WindowsMobile, DrawsItsWindowsInDistinctColours) {
    auto shell = WindowsMobileShell::boot(*device_);
    settle();
    EXPECT_EQ(screenPixel(120, 1), RGB(0, 0, 128));        // taskbar
    EXPECT_EQ(screenPixel(3, 100), RGB(220, 232, 255));    // content pane
    EXPECT_EQ(screenPixel(3, 257), RGB(0, 120, 80));       // strip
    EXPECT_EQ(screenPixel(90, 318), RGB(40, 56, 88));      // menu bar, left of its button
}

TEST_F(WindowsMobile, ReadyEventIsSetAfterBoot) {
    EXPECT_EQ(readyEventState(), WAIT_FAILED) << "no event before the shell exists";
    auto shell = WindowsMobileShell::boot(*device_);
    EXPECT_EQ(readyEventState(), WAIT_OBJECT_0);
}

TEST_F(WindowsMobile, HeldReadyEventIsSetOnlyOnRequest) {
    auto shell = WindowsMobileShell::boot(*device_, {.holdReadyEvent = true});
    settle();
    EXPECT_EQ(readyEventState(), static_cast<DWORD>(WAIT_TIMEOUT));
    shell->signalReady();
    EXPECT_EQ(readyEventState(), WAIT_OBJECT_0);
}

class WindowsMobileSettingChange : public DeviceTest, public ::testing::WithParamInterface<WPARAM> {};

TEST_P(WindowsMobileSettingChange, FromAnotherThreadLaysTheDesktopOutAgain) {
    auto shell = WindowsMobileShell::boot(*device_);
    settle();
    disturbLayout(*shell);
    // The test's thread is not the shell's: the send crosses threads.
    ASSERT_NE(GetWindowThreadProcessId(shell->desktop(), nullptr), GetCurrentThreadId());
    SendMessageW(shell->desktop(), WM_SETTINGCHANGE, GetParam(), 0);
    expectShellLayout(*shell, 240, 320);
}

INSTANTIATE_TEST_SUITE_P(AnyWParam, WindowsMobileSettingChange,
                         ::testing::Values(WPARAM{0}, WPARAM{SETTINGCHANGE_RESET}, WPARAM{SPI_SETSIPINFO}));

TEST_F(WindowsMobile, ActivationLaysTheDesktopOutAgainButDeactivationDoesNot) {
    auto shell = WindowsMobileShell::boot(*device_);
    settle();
    disturbLayout(*shell);
    SendMessageW(shell->desktop(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(windowRect(shell->desktop()), (RECT{0, 0, 240, 320}));
    EXPECT_EQ(windowRect(shell->menuBar()), (RECT{0, 320, 240, 346}));

    SendMessageW(shell->desktop(), WM_ACTIVATE, WA_ACTIVE, 0);
    expectShellLayout(*shell, 240, 320);

    disturbLayout(*shell);
    SendMessageW(shell->desktop(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    expectShellLayout(*shell, 240, 320);
}

class LargeScreenWindowsMobile : public DeviceTest {
protected:
    LargeScreenWindowsMobile() : DeviceTest(480, 640) {}
};

TEST_F(LargeScreenWindowsMobile, LaysOutForTheDevicesScreen) {
    auto shell = WindowsMobileShell::boot(*device_);
    settle();
    expectShellLayout(*shell, 480, 640);
}

}  // namespace
