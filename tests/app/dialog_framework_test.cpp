// The framework's modal dialogs: template loading, owner, command bar, base
// OnInitDialog, showing, activation hand-off, commands and the end sequence.
#include "framework_fixture.h"
#include "framework_test_resources.h"
#include "probe_dialog.h"

#include "aygshell/input_panel.h"

#include <aygshell.h>

#include <algorithm>

namespace {

WNDPROC commandBarProcedure = nullptr;

LRESULT CALLBACK RecordCommandBarDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && FrameworkTest::recording) FrameworkTest::events.push_back("command bar destroyed");
    return CallWindowProcW(commandBarProcedure, window, message, wParam, lParam);
}

TEST_F(FrameworkTest, MissingTemplateReturnsMinusOneWithoutTouchingTheOwner) {
    HWND owner = CreateRecordingOwner();
    CWnd ownerObject;
    ownerObject.Attach(owner);
    ProbeDialog dialog(IDD_NOT_IN_RESOURCES, &ownerObject);
    bool initialised = false;
    dialog.beforeBaseInit = [&](ProbeDialog&) { initialised = true; };

    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(initialised);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    ownerObject.Detach();
}

struct CommandCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    int expectedResult;
};

TEST_F(FrameworkTest, CommandsAndCloseRequestEndTheRunWithTheirResult) {
    const CommandCase cases[] = {
        {"OK command", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
        {"Cancel command", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL},
        {"close request", WM_CLOSE, 0, IDCANCEL},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeDialog dialog(IDD_HIDDEN_PROBE);
        dialog.afterBaseInit = [&](ProbeDialog& self) { self.PostMessage(c.message, c.wParam, 0); };
        EXPECT_EQ(dialog.DoModal(), c.expectedResult);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
    }
}

TEST_F(FrameworkTest, EndDialogFromAHandlerGivesItsValue) {
    ProbeDialog dialog(IDD_HIDDEN_PROBE);
    dialog.onMessage = [](ProbeDialog& self, UINT message, WPARAM, LPARAM) {
        if (message == WM_APP) self.EndDialog(42);
    };
    dialog.afterBaseInit = [](ProbeDialog& self) { self.PostMessage(WM_APP); };
    EXPECT_EQ(dialog.DoModal(), 42);
}

TEST_F(FrameworkTest, EmptyCommandBarExistsBeforeTheDialogsOwnInitialisation) {
    ProbeDialog dialog(IDD_HIDDEN_PROBE);
    HWND commandBar = nullptr;
    bool barOwnedByDialog = false;
    bool barFoundByShell = false;
    dialog.beforeBaseInit = [&](ProbeDialog& self) {
        ASSERT_NE(self.m_pWndEmptyCB, nullptr);
        commandBar = self.m_pWndEmptyCB->m_hWnd;
        barOwnedByDialog = IsWindow(commandBar) && GetWindow(commandBar, GW_OWNER) == self.m_hWnd;
        barFoundByShell = SHFindMenuBar(self.m_hWnd) == commandBar;
        self.PostMessage(WM_COMMAND, IDOK);
    };

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(barOwnedByDialog);
    EXPECT_TRUE(barFoundByShell);
    EXPECT_FALSE(IsWindow(commandBar));
    EXPECT_EQ(dialog.m_pWndEmptyCB, nullptr);
}

TEST_F(FrameworkTest, FullScreenSettingDecidesTheBaseInitialisation) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (bool fullScreen : {true, false}) {
        SCOPED_TRACE(fullScreen ? "full screen on" : "full screen off");
        HWND other = CreateRecordingOwner();
        ProbeDialog dialog(IDD_HIDDEN_PROBE);
        EXPECT_TRUE(dialog.m_bFullScreen) << "construction turns the setting on";
        RECT before{}, after{};
        bool foreground = false;
        bool doneButton = false;
        dialog.beforeBaseInit = [&](ProbeDialog& self) {
            self.m_bFullScreen = fullScreen;
            before = windowRect(self.m_hWnd);
        };
        dialog.afterBaseInit = [&](ProbeDialog& self) {
            after = windowRect(self.m_hWnd);
            foreground = GetForegroundWindow() == self.m_hWnd;
            doneButton = (GetWindowLongW(self.m_hWnd, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN) != 0;
            self.PostMessage(WM_COMMAND, IDOK);
        };
        EXPECT_EQ(dialog.DoModal(), IDOK);

        EXPECT_EQ(foreground, fullScreen);
        EXPECT_EQ(doneButton, fullScreen);
        if (fullScreen) {
            // Below the taskbar, above the dialog's own (visible) menu bar.
            EXPECT_EQ(after, (RECT{0, 26, width, height - 26}));
        } else {
            EXPECT_EQ(after, before);
        }
        DestroyWindow(other);
    }
}

TEST_F(FrameworkTest, HiddenDialogIsShownWhenItsQueueFirstRunsEmpty) {
    ProbeDialog dialog(IDD_HIDDEN_PROBE);
    dialog.afterBaseInit = [](ProbeDialog& self) { self.PostMessage(WM_APP); };
    dialog.onMessage = [](ProbeDialog& self, UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_APP) events.push_back(self.IsWindowVisible() ? "queued message, visible" : "queued message, hidden");
        if (message == WM_SHOWWINDOW && wParam) {
            events.push_back("shown");
            self.PostMessage(WM_COMMAND, IDOK);
        }
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(events, (std::vector<std::string>{"queued message, hidden", "shown"}));
}

TEST_F(FrameworkTest, EndSequenceHidesDropsTheBarEnablesAndActivatesTheOwnerThenDestroys) {
    HWND owner = CreateRecordingOwner();
    CWnd ownerObject;
    ownerObject.Attach(owner);
    ProbeDialog dialog(IDD_VISIBLE_PROBE, &ownerObject);
    bool ownerDisabledDuringRun = false;
    bool ownedByOwner = false;
    dialog.afterBaseInit = [&](ProbeDialog& self) {
        ownerDisabledDuringRun = !IsWindowEnabled(owner);
        ownedByOwner = GetWindow(self.m_hWnd, GW_OWNER) == owner;
        ASSERT_NE(self.m_pWndEmptyCB, nullptr);
        commandBarProcedure = (WNDPROC)SetWindowLongW(self.m_pWndEmptyCB->m_hWnd, GWL_WNDPROC,
                                                      (LONG_PTR)&RecordCommandBarDestroy);
        self.PostMessage(WM_COMMAND, IDOK);
    };
    dialog.onMessage = [](ProbeDialog&, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) recording = true;
        if (!recording) return;
        if (message == WM_WINDOWPOSCHANGED && (((WINDOWPOS*)lParam)->flags & SWP_HIDEWINDOW))
            events.push_back("dialog hidden");
        if (message == WM_DESTROY) events.push_back("dialog destroyed");
    };

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(ownerDisabledDuringRun);
    EXPECT_TRUE(ownedByOwner);
    EXPECT_EQ(events, (std::vector<std::string>{"dialog hidden", "command bar destroyed", "owner enabled",
                                                "owner activated", "dialog destroyed"}));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    ownerObject.Detach();
}

TEST_F(FrameworkTest, EachDialogKeepsItsOwnInputPanelStateAcrossActivations) {
    // Internal view: the input panel has no public call to raise it.
    auto& panel = ce::aygshell::InputPanel::current();
    HWND other = CreateRecordingOwner();
    ProbeDialog dialog(IDD_HIDDEN_PROBE);
    bool raisedAgainOnReturn = false;
    bool recordSawPanelChange = false;
    dialog.onMessage = [&](ProbeDialog& self, UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_SHOWWINDOW && wParam) self.PostMessage(WM_APP);
        if (message != WM_APP) return;
        panel.setRaised(true);
        SetActiveWindow(other);
        panel.setRaised(false);
        SetActiveWindow(self.m_hWnd);
        raisedAgainOnReturn = panel.raised();
        panel.setRaised(false);
        self.SendMessage(WM_SETTINGCHANGE, SPI_SETSIPINFO, 0);
        panel.setRaised(true);
        self.SendMessage(WM_SETTINGCHANGE, SPI_SETSIPINFO, 0);
        recordSawPanelChange = self.ActivationRecord().fSipUp == 1;
        self.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(raisedAgainOnReturn);
    EXPECT_TRUE(recordSawPanelChange);
    DestroyWindow(other);
}

class FailingExchangeDialog : public ProbeDialog {
public:
    using ProbeDialog::ProbeDialog;

protected:
    void DoDataExchange(CDataExchange* exchange) override { exchange->Fail(); }
};

TEST_F(FrameworkTest, FailedDataExchangeEndsTheDialogWithMinusOne) {
    FailingExchangeDialog dialog(IDD_HIDDEN_PROBE);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(FrameworkTest, MainWindowIsForgottenWhenItsWindowIsDestroyed) {
    CWinApp application;
    ProbeDialog dialog(IDD_HIDDEN_PROBE);
    application.m_pMainWnd = &dialog;
    bool mainWhileRunning = false;
    dialog.afterBaseInit = [&](ProbeDialog& self) {
        mainWhileRunning = AfxGetMainWnd() == &self;
        self.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(mainWhileRunning);
    EXPECT_EQ(application.m_pMainWnd, nullptr);
}

struct CentreCase {
    const char* name;
    bool withOwner;
    RECT ownerArea;
};

TEST_F(FrameworkTest, CenterWindowCentresOverTheOwnerOrTheScreenAndStaysOnScreen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const CentreCase cases[] = {
        {"no owner: the screen", false, RECT{}},
        {"owner in the middle", true, RECT{20, 60, 180, 220}},
        {"owner in the bottom right corner", true, RECT{200, 290, 240, 320}},
    };
    for (const CentreCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND owner = c.withOwner ? CreateRecordingOwner(c.ownerArea) : nullptr;
        CWnd ownerObject;
        if (owner) ownerObject.Attach(owner);
        ProbeDialog dialog(IDD_HIDDEN_PROBE, owner ? &ownerObject : nullptr);
        RECT before{}, after{};
        dialog.beforeBaseInit = [](ProbeDialog& self) { self.m_bFullScreen = FALSE; };
        dialog.afterBaseInit = [&](ProbeDialog& self) {
            before = windowRect(self.m_hWnd);
            self.CenterWindow(CWnd::GetDesktopWindow());
            after = windowRect(self.m_hWnd);
            self.PostMessage(WM_COMMAND, IDOK);
        };
        EXPECT_EQ(dialog.DoModal(), IDOK);

        const int dialogWidth = before.right - before.left;
        const int dialogHeight = before.bottom - before.top;
        RECT centreOn = c.withOwner ? c.ownerArea : RECT{0, 0, width, height};
        int left = (centreOn.left + centreOn.right) / 2 - dialogWidth / 2;
        int top = (centreOn.top + centreOn.bottom) / 2 - dialogHeight / 2;
        left = std::min(std::max(left, 0), width - dialogWidth);
        top = std::min(std::max(top, 0), height - dialogHeight);
        EXPECT_EQ(after, (RECT{left, top, left + dialogWidth, top + dialogHeight}));
        if (owner) {
            ownerObject.Detach();
            DestroyWindow(owner);
        }
    }
}

struct OwnerCase {
    const char* name;
    bool mainWindowHasWindow;
    bool otherWindowActive;
};

TEST_F(FrameworkTest, WithoutParentTheOwnerIsTheActiveWindowWhileTheMainWindowExists) {
    const OwnerCase cases[] = {
        {"main window object without a window", false, true},
        {"main window, itself active", true, false},
        {"main window, another window active", true, true},
    };
    for (const OwnerCase& c : cases) {
        SCOPED_TRACE(c.name);
        CWinApp application;
        CWnd mainObject;
        HWND mainWindow = CreateRecordingOwner();
        if (c.mainWindowHasWindow) mainObject.Attach(mainWindow);
        application.m_pMainWnd = &mainObject;
        HWND otherWindow = CreateRecordingOwner();
        SetActiveWindow(c.otherWindowActive ? otherWindow : mainWindow);
        HWND expectedOwner = !c.mainWindowHasWindow ? nullptr : c.otherWindowActive ? otherWindow : mainWindow;

        ProbeDialog dialog(IDD_HIDDEN_PROBE);
        HWND owner = reinterpret_cast<HWND>(1);
        dialog.afterBaseInit = [&](ProbeDialog& self) {
            owner = GetWindow(self.m_hWnd, GW_OWNER);
            self.PostMessage(WM_COMMAND, IDOK);
        };
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(owner, expectedOwner);

        application.m_pMainWnd = nullptr;
        mainObject.Detach();
        DestroyWindow(otherWindow);
        DestroyWindow(mainWindow);
    }
}

}  // namespace
