// Unloading the driver in each state must leave no thread and no window
// running code that is gone, and a new load starts afresh.
#include "driver_fixture.h"

#include "devicemanager/device_manager.h"

#include <dockfade_control_codes.h>

#include <thread>

using namespace driver_test;

namespace {

using Unload = DriverTest;

TEST_F(Unload, WhileTheWorkerWaitsEndsTheWorker) {
    bootShell(true);
    RECT shellMenuBar = windowRect(shell().menuBar());
    bootDriver();
    unloadDriver();

    shell().signalReady();
    settle();
    EXPECT_EQ(windowRect(shell().menuBar()), shellMenuBar) << "no worker was left to adjust the desktop";
    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_EQ(windowProcedure(shell().stripPane()), shellStripProcedure());
}

TEST_F(Unload, WhileInstalledGivesTheProceduresBack) {
    bootShell(false);
    bootDriver();
    ASSERT_NE(windowProcedure(shell().desktop()), shellDesktopProcedure());
    unloadDriver();

    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_EQ(windowProcedure(shell().stripPane()), shellStripProcedure());
    // Messages that would have reached the unloaded code go to the shell.
    SendMessage(shell().desktop(), WM_SETTINGCHANGE, 0, 0);
    ShowWindow(shell().stripPane(), SW_HIDE);
    settle();
    EXPECT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);
}

TEST_F(Unload, AfterARestoreAndThenLoadingAgainAdjustsAgain) {
    bootShell(false);
    bootDriver();
    HANDLE device = openDevice();
    ASSERT_TRUE(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr));
    CloseHandle(device);
    unloadDriver();
    SendMessage(shell().desktop(), WM_SETTINGCHANGE, 0, 0);
    settle();
    ASSERT_EQ(windowRect(shell().menuBar()).top, kShellMenuBarTop);

    std::string error;
    ASSERT_TRUE(device_->get<ce::DeviceManager>().activate(u"Drivers\\BuiltIn\\Dockfade", &error)) << error;
    settle();
    EXPECT_EQ(windowRect(shell().menuBar()).top, kScreenHeight) << "a fresh load runs a fresh worker";
    EXPECT_NE(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_NE(trace().find("DKF:DLLMain-ATTACH\r\nDKF:DLLMain-\r\nDKF:INIT+\r\n", trace().find("DETACH")),
              std::string::npos);
}

TEST_F(Unload, WaitsForControlRequestsStillRunning) {
    bootShell(false);
    bootDriver();
    HANDLE device = openDevice();
    // A client keeps asking for the version while the device goes away: each
    // request either completes or fails cleanly once the device is gone.
    std::atomic<bool> sawFailure{false};
    std::thread client([&] {
        for (;;) {
            BYTE reply[4] = {};
            if (!DeviceIoControl(device, IOCTL_DKF_GET_VERSION, reply, 4, nullptr, 0, nullptr, nullptr)) {
                sawFailure = GetLastError() == ERROR_DEV_NOT_EXIST;
                return;
            }
            if (reply[2] != 0x01) return;
        }
    });
    unloadDriver();
    client.join();
    EXPECT_TRUE(sawFailure.load());
}

}  // namespace
