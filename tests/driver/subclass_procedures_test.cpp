// The procedures the driver puts in front of the shell's: what they pass
// on, when they lay the windows out again, and what a restore ends.
#include "driver_fixture.h"

#include <aygshell.h>
#include <dockfade_control_codes.h>

#include <atomic>
#include <ostream>

using namespace driver_test;

namespace {

constexpr UINT kProbeMessage = WM_USER + 7;
constexpr LRESULT kProbeResult = 0x5EED;

// Stands for the shell's procedures on the desktop and the strip (the
// anchor pane), installed before the driver's: it records what the windows
// look like when the message reaches it, then lets the shell's procedure run.
struct Recorder {
    static inline WNDPROC shellDesktop = nullptr;
    static inline WNDPROC shellStrip = nullptr;
    static inline HWND menuBar = nullptr;
    static inline HWND fillPane = nullptr;
    // Written on the shell's thread, read by the test after it settled.
    static inline std::atomic<int> menuBarTopAtSettingChange{0};
    static inline std::atomic<int> fillBottomAtPositionChange{0};
    static inline std::atomic<WPARAM> probeWParam{0};
    static inline std::atomic<LPARAM> probeLParam{0};

    static LRESULT CALLBACK desktop(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kProbeMessage) {
            probeWParam = wParam;
            probeLParam = lParam;
            return kProbeResult;
        }
        LRESULT result = CallWindowProc(shellDesktop, window, message, wParam, lParam);
        if (message == WM_SETTINGCHANGE) menuBarTopAtSettingChange = windowRect(menuBar).top;
        return result;
    }

    static LRESULT CALLBACK strip(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_WINDOWPOSCHANGED) fillBottomAtPositionChange = windowRect(fillPane).bottom;
        if (message == kProbeMessage) return kProbeResult + 1;
        return CallWindowProc(shellStrip, window, message, wParam, lParam);
    }
};

class SubclassProcedures : public DriverTest {
protected:
    // Shell with the recorders in front of its procedures, then the driver
    // in front of the recorders.
    void SetUp() override {
        bootShell(true);
        Recorder::shellDesktop = shellDesktopProcedure();
        Recorder::shellStrip = shellStripProcedure();
        Recorder::menuBar = shell().menuBar();
        Recorder::fillPane = shell().contentPane();
        SetWindowLong(shell().desktop(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Recorder::desktop));
        SetWindowLong(shell().stripPane(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Recorder::strip));
        bootDriver();
        shell().signalReady();
        settle();
        ASSERT_EQ(windowRect(shell().menuBar()).top, kScreenHeight);
    }

    void TearDown() override {
        unloadDriver();
        SetWindowLong(shell().desktop(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(shellDesktopProcedure()));
        SetWindowLong(shell().stripPane(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(shellStripProcedure()));
    }

    // Puts the bar back where the shell keeps it, as the driver's absence would.
    void disturb() {
        MoveWindow(shell().menuBar(), 0, kShellMenuBarTop, kScreenWidth, 26, TRUE);
        ASSERT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);
    }
};

TEST_F(SubclassProcedures, PassEveryMessageAndResultThroughUnchanged) {
    EXPECT_EQ(SendMessage(shell().desktop(), kProbeMessage, 0x1234, 0x5678), kProbeResult);
    EXPECT_EQ(Recorder::probeWParam.load(), 0x1234u);
    EXPECT_EQ(Recorder::probeLParam.load(), 0x5678);
    EXPECT_EQ(SendMessage(shell().stripPane(), kProbeMessage, 0, 0), kProbeResult + 1);
}

struct ActivateCase {
    WPARAM wParam;
    bool laysOut;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const ActivateCase& c, std::ostream* out) { *out << "wParam " << c.wParam; }

class DesktopActivation : public SubclassProcedures, public ::testing::WithParamInterface<ActivateCase> {};

TEST_P(DesktopActivation, OnlyAWholeWaActiveLaysOutAgain) {
    disturb();
    SendMessage(shell().desktop(), WM_ACTIVATE, GetParam().wParam, 0);
    settle();
    if (GetParam().laysOut) {
        EXPECT_EQ(windowRect(shell().menuBar()).top, kScreenHeight);
        EXPECT_EQ(windowRect(shell().desktop()), (RECT{0, 0, kScreenWidth, kScreenHeight}));
    } else {
        EXPECT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);
    }
}

INSTANTIATE_TEST_SUITE_P(WParams, DesktopActivation,
                         ::testing::Values(ActivateCase{WA_ACTIVE, true}, ActivateCase{WA_CLICKACTIVE, false},
                                           ActivateCase{WA_INACTIVE, false},
                                           ActivateCase{MAKEWPARAM(WA_ACTIVE, 1), false}));

TEST_F(SubclassProcedures, SettingChangeLaysOutAfterTheShellsProcedure) {
    for (WPARAM wParam : {WPARAM{0}, WPARAM{SETTINGCHANGE_RESET}, WPARAM{SPI_SETSIPINFO}}) {
        disturb();
        Recorder::menuBarTopAtSettingChange = 0;
        SendMessage(shell().desktop(), WM_SETTINGCHANGE, wParam, 0);
        settle();
        EXPECT_EQ(Recorder::menuBarTopAtSettingChange.load(), kShellMenuBarTop)
            << "the shell's own procedure ran first, wParam " << wParam;
        EXPECT_EQ(windowRect(shell().menuBar()).top, kScreenHeight) << wParam;
        EXPECT_EQ(windowRect(shell().desktop()), (RECT{0, 0, kScreenWidth, kScreenHeight})) << wParam;
        EXPECT_FALSE(IsWindowVisible(shell().inputPanelButton())) << wParam;
        RECT fill = windowRect(shell().contentPane());
        EXPECT_EQ(fill.right - fill.left, kScreenWidth);
        EXPECT_EQ(fill.bottom, windowRect(shell().stripPane()).top) << wParam;
    }
}

TEST_F(SubclassProcedures, AnchorMovesLayTheFillPaneOutBeforeTheShellSeesThem) {
    ShowWindow(shell().stripPane(), SW_HIDE);
    settle();
    EXPECT_EQ(Recorder::fillBottomAtPositionChange.load(), kScreenHeight);
    EXPECT_EQ(windowRect(shell().contentPane()).bottom, kScreenHeight);

    ShowWindow(shell().stripPane(), SW_SHOW);
    settle();
    EXPECT_EQ(windowRect(shell().contentPane()).bottom, windowRect(shell().stripPane()).top);
}

TEST_F(SubclassProcedures, AfterARestoreNothingKeepsTheLayout) {
    HANDLE device = openDevice();
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(windowProcedure(shell().desktop()), reinterpret_cast<WNDPROC>(&Recorder::desktop));
    EXPECT_EQ(windowRect(shell().menuBar()).top, kScreenHeight) << "the restore moves nothing back";

    SendMessage(shell().desktop(), WM_SETTINGCHANGE, 0, 0);
    settle();
    EXPECT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);
    SendMessage(shell().desktop(), WM_ACTIVATE, WA_ACTIVE, 0);
    settle();
    EXPECT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);
}

}  // namespace
