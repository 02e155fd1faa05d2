#include "shell_test_support.h"

#include <aygshell.h>
#include <aygshell/shell_windows.h>
#include <commctrl.h>
#include <shell/pocket_pc_shell.h>

using namespace shell_test;

namespace {

HWND createMenuBar(HWND owner, DWORD flags = 0) {
    SHMENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    bar.hwndParent = owner;
    bar.dwFlags = flags;
    if (!SHCreateMenuBar(&bar)) return nullptr;
    return bar.hwndMB;
}

using MenuBar = DeviceTest;

TEST_F(MenuBar, SitsAtTheBottomAndIsFoundThroughItsOwner) {
    RecordingWindow first(u"First");
    RecordingWindow second(u"Second");
    RecordingWindow without(u"Without");
    HWND firstBar = createMenuBar(first.handle());
    HWND secondBar = createMenuBar(second.handle(), SHCMBF_EMPTYBAR);
    ASSERT_NE(firstBar, nullptr);
    ASSERT_NE(secondBar, nullptr);

    EXPECT_EQ(windowRect(firstBar), (RECT{0, 294, 240, 320}));
    EXPECT_TRUE(IsWindowVisible(firstBar));
    EXPECT_EQ(SHFindMenuBar(first.handle()), firstBar);
    EXPECT_EQ(SHFindMenuBar(second.handle()), secondBar);
    EXPECT_EQ(SHFindMenuBar(without.handle()), nullptr);
    EXPECT_EQ(SHFindMenuBar(nullptr), nullptr);
}

TEST_F(MenuBar, CreatingOneLeavesTheOwnerActive) {
    RecordingWindow owner(u"Owner");
    SetForegroundWindow(owner.handle());
    createMenuBar(owner.handle());
    EXPECT_EQ(GetForegroundWindow(), owner.handle());
}

TEST_F(MenuBar, CarriesItsOwnInputPanelButtonUnlessTheShellKeepsOne) {
    RecordingWindow owner(u"Owner");
    HWND withButton = createMenuBar(owner.handle());
    HWND button = ce::aygshell::inputPanelButtonOf(withButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(windowRect(button), (RECT{102, 294, 138, 320}));
    EXPECT_EQ(ce::aygshell::inputPanelButtonOf(createMenuBar(owner.handle(), SHCMBF_HIDESIPBUTTON)), nullptr);

    auto shell = ce::shell::PocketPcShell::boot(*device_);
    RecordingWindow application(u"Application");
    EXPECT_EQ(ce::aygshell::inputPanelButtonOf(createMenuBar(application.handle())), nullptr);
}

TEST_F(MenuBar, HiddenFlagCreatesItHidden) {
    RecordingWindow owner(u"Owner");
    HWND bar = createMenuBar(owner.handle(), SHCMBF_HIDDEN);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_EQ(SHFindMenuBar(owner.handle()), bar);
}

TEST_F(MenuBar, RejectsABadRecord) {
    RecordingWindow owner(u"Owner");
    SHMENUBARINFO bar{};
    bar.cbSize = sizeof bar - 1;
    bar.hwndParent = owner.handle();
    EXPECT_FALSE(SHCreateMenuBar(&bar));
    bar.cbSize = sizeof bar;
    bar.hwndParent = nullptr;
    EXPECT_FALSE(SHCreateMenuBar(&bar));
    EXPECT_FALSE(SHCreateMenuBar(nullptr));
    EXPECT_EQ(bar.hwndMB, nullptr);
}

TEST_F(MenuBar, CommandBarCallsHideAndMeasureIt) {
    RecordingWindow owner(u"Owner");
    HWND bar = createMenuBar(owner.handle());
    EXPECT_TRUE(CommandBar_IsVisible(bar));
    EXPECT_EQ(CommandBar_Height(bar), 26);

    EXPECT_TRUE(CommandBar_Show(bar, FALSE));
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_FALSE(CommandBar_IsVisible(bar));
    EXPECT_TRUE(CommandBar_Show(bar, TRUE));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_FALSE(CommandBar_Show(nullptr, FALSE));
}

TEST_F(MenuBar, CommandBarSpansTheTopOfItsParent) {
    InitCommonControls();
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&controls));
    controls.dwSize = 0;
    EXPECT_FALSE(InitCommonControlsEx(&controls));

    RecordingWindow owner(u"Owner", WS_POPUP | WS_VISIBLE, RECT{0, 26, 240, 320});
    HWND bar = CommandBar_Create(nullptr, owner.handle(), 7);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetParent(bar), owner.handle());
    EXPECT_EQ(GetDlgCtrlID(bar), 7);
    EXPECT_EQ(windowRect(bar), (RECT{0, 26, 240, 26 + CMDBAR_HEIGHT}));
    EXPECT_EQ(CommandBar_Height(bar), CMDBAR_HEIGHT);
    EXPECT_TRUE(CommandBar_Show(bar, FALSE));
    EXPECT_FALSE(CommandBar_IsVisible(bar));
}

}  // namespace
