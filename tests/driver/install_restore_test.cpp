// A restore request overlapping the installation of the procedures. These
// tests run the driver's own sources in this program (not the library) so
// that they can stop between the installation's steps.
#include "driver_fixture.h"

#include <dockfade_control_codes.h>
#include <hook_state.h>
#include <subclass_procedures.h>

#include <thread>
#include <ostream>

using namespace driver_test;

namespace {

int restoreAfterStep = -1;

void RestoreAtChosenStep(int completedStep) {
    if (completedStep == restoreAfterStep) RestoreProcedures();
}

// Clears the in-program driver's record, which stands in for a fresh load.
void clearHookState() {
    HookState.prevAnchorProc.store(nullptr);
    HookState.prevDesktopProc.store(nullptr);
    HookState.fillPane.store(nullptr);
    HookState.menuBar.store(nullptr);
    HookState.hookedAnchor.store(nullptr);
    HookState.hookedDesktop.store(nullptr);
    HookState.anchorPane.store(nullptr);
    InstallStepObserver = nullptr;
}

struct OverlapCase {
    int restoreAfterStep;  // 0: before the installation begins
    bool desktopHooked;
    bool anchorHooked;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const OverlapCase& c, std::ostream* out) { *out << "restore after step " << c.restoreAfterStep; }

class RestoreDuringInstallation : public DriverTest, public ::testing::WithParamInterface<OverlapCase> {
protected:
    void SetUp() override {
        clearHookState();
        bootShell(false);
        // The worker's findings, as it would have stored them.
        HookState.anchorPane.store(shell().stripPane());
        HookState.fillPane.store(shell().contentPane());
        HookState.menuBar.store(shell().menuBar());
    }
    void TearDown() override {
        InstallStepObserver = nullptr;
        RestoreProcedures();
        clearHookState();
    }
};

TEST_P(RestoreDuringInstallation, NeverLeavesAWindowWithoutAProcedure) {
    const OverlapCase& row = GetParam();
    restoreAfterStep = row.restoreAfterStep;
    if (row.restoreAfterStep == 0) RestoreProcedures();
    InstallStepObserver = &RestoreAtChosenStep;
    InstallProcedures();

    WNDPROC desktop = windowProcedure(shell().desktop());
    WNDPROC anchor = windowProcedure(shell().stripPane());
    ASSERT_NE(desktop, nullptr);
    ASSERT_NE(anchor, nullptr);
    EXPECT_EQ(desktop, row.desktopHooked ? &DesktopSubclassProc : shellDesktopProcedure());
    EXPECT_EQ(anchor, row.anchorHooked ? &AnchorSubclassProc : shellStripProcedure());
    // Both windows still handle messages.
    SendMessage(shell().desktop(), WM_SETTINGCHANGE, 0, 0);
    ShowWindow(shell().stripPane(), SW_HIDE);
    settle();
    EXPECT_TRUE(IsWindow(shell().desktop()));
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RestoreDuringInstallation,
                         ::testing::Values(OverlapCase{0, true, true}, OverlapCase{1, true, true},
                                           OverlapCase{2, true, true}, OverlapCase{3, false, true},
                                           OverlapCase{4, false, true}, OverlapCase{5, false, true},
                                           OverlapCase{6, false, false}),
                         [](const auto& info) { return "AfterStep" + std::to_string(info.param.restoreAfterStep); });

// Clients restoring over and over while the worker installs: whatever the
// interleaving, each window ends with a real procedure. Run under
// ThreadSanitizer, this also checks the record's ordering.
using ConcurrentRestore = DriverTest;

TEST_F(ConcurrentRestore, RacingTheWorkerLeavesEveryWindowAProcedure) {
    bootShell(true);
    bootDriver();
    HANDLE device = openDevice();
    std::thread client([&] {
        for (int request = 0; request < 2000; ++request)
            DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr);
    });
    shell().signalReady();
    client.join();
    settle();

    WNDPROC desktop = windowProcedure(shell().desktop());
    WNDPROC anchor = windowProcedure(shell().stripPane());
    EXPECT_NE(desktop, nullptr);
    EXPECT_NE(anchor, nullptr);
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_EQ(windowProcedure(shell().stripPane()), shellStripProcedure());
}

}  // namespace
