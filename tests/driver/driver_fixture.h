#pragma once

#include "device/device.h"
#include "rectangle_checks.h"

#include <gtest/gtest.h>
#include <shell/windows_mobile_shell.h>
#include <windows.h>

#include <memory>
#include <string>

namespace driver_test {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
// The shell's own place for the desktop's menu bar, at the bottom of the screen.
constexpr int kShellMenuBarTop = kScreenHeight - 26;

WNDPROC windowProcedure(HWND window);

// A test with its own device (virtual clock) and, on request, the Windows
// Mobile shell and the Dockfade driver loaded by the device manager from
// driver/Dockfade.reg. The driver is unloaded before the shell and the
// device go away, so each test starts from a fresh load of the library.
class DriverTest : public ::testing::Test {
protected:
    DriverTest();
    ~DriverTest() override;

    void bootShell(bool holdReadyEvent);
    // Loads the registry file and boots the built-in drivers; the device's
    // debug output is cleared first so that it holds the driver's trace only.
    void bootDriver(const std::string& registryFile = DOCKFADE_REGISTRY_FILE);
    void unloadDriver();
    // Opens "DKF1:"; the handle is closed at the end of the test.
    HANDLE openDevice();
    // Lets every thread (the shell's, the driver's worker) finish its work.
    void settle();
    std::string trace() const;

    ce::shell::WindowsMobileShell& shell() { return *shell_; }
    // The shell's own procedures, read before the driver could replace them.
    WNDPROC shellDesktopProcedure() const { return shellDesktopProcedure_; }
    WNDPROC shellStripProcedure() const { return shellStripProcedure_; }

    std::unique_ptr<ce::Device> device_;
    std::unique_ptr<ce::shell::WindowsMobileShell> shell_;

private:
    WNDPROC shellDesktopProcedure_ = nullptr;
    WNDPROC shellStripProcedure_ = nullptr;
    HANDLE deviceFile_ = INVALID_HANDLE_VALUE;
};

}  // namespace driver_test
