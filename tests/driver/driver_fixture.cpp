#include "driver_fixture.h"

#include "devicemanager/device_manager.h"
#include "kernel/debug_output.h"
#include "kernel/module_registry.h"

namespace driver_test {

WNDPROC windowProcedure(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLong(window, GWL_WNDPROC)); }

DriverTest::DriverTest()
    : device_(std::make_unique<ce::Device>(ce::DeviceOptions{kScreenWidth, kScreenHeight, ce::ClockMode::Virtual})) {
    device_->get<ce::ModuleRegistry>().addSearchDirectory(DOCKFADE_DIRECTORY);
}

DriverTest::~DriverTest() {
    if (deviceFile_ != INVALID_HANDLE_VALUE) CloseHandle(deviceFile_);
    unloadDriver();
    shell_.reset();
    device_.reset();
}

void DriverTest::bootShell(bool holdReadyEvent) {
    shell_ = ce::shell::WindowsMobileShell::boot(*device_, {holdReadyEvent});
    settle();
    shellDesktopProcedure_ = windowProcedure(shell_->desktop());
    shellStripProcedure_ = windowProcedure(shell_->stripPane());
}

void DriverTest::bootDriver(const std::string& registryFile) {
    auto& manager = device_->get<ce::DeviceManager>();
    std::string error;
    ASSERT_TRUE(manager.loadRegistry(registryFile, &error)) << error;
    device_->get<ce::DebugOutput>().clear();
    ASSERT_TRUE(manager.bootBuiltInDrivers(&error)) << error;
    settle();
}

void DriverTest::unloadDriver() {
    auto& manager = device_->get<ce::DeviceManager>();
    for (auto& name : manager.deviceNames()) {
        std::string error;
        EXPECT_TRUE(manager.deactivate(name, &error)) << error;
    }
}

HANDLE DriverTest::openDevice() {
    deviceFile_ = CreateFileW(u"DKF1:", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(deviceFile_, INVALID_HANDLE_VALUE);
    return deviceFile_;
}

void DriverTest::settle() {
    std::string reason;
    ASSERT_TRUE(device_->waitForIdle(std::chrono::seconds(20), &reason)) << reason;
}

std::string DriverTest::trace() const { return device_->get<ce::DebugOutput>().utf8(); }

}  // namespace driver_test
