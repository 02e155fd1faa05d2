#pragma once

#include "devicemanager/active_device.h"
#include "kernel/kernel_object.h"

#include <memory>

namespace ce {

// An open stream device: what CreateFile("DKF1:") returns a HANDLE to. Its
// last CloseHandle calls the driver's Close with the open context, unless
// the device has been deactivated meanwhile.
class DeviceFile : public KernelObject {
public:
    DeviceFile(Device& device, std::shared_ptr<ActiveDevice> target, DWORD openContext)
        : device_(device), target_(std::move(target)), openContext_(openContext) {}

    bool signaledLocked(EmulatedThread&) const override { return false; }
    void onLastHandleClosed() override;

    ActiveDevice& target() const { return *target_; }
    DWORD openContext() const { return openContext_; }

private:
    Device& device_;
    std::shared_ptr<ActiveDevice> target_;
    DWORD openContext_;
};

// What ActivateDeviceEx returns a HANDLE to, for DeactivateDevice.
class DeviceActivation : public KernelObject {
public:
    explicit DeviceActivation(std::shared_ptr<ActiveDevice> target) : target_(std::move(target)) {}
    bool signaledLocked(EmulatedThread&) const override { return false; }
    const std::shared_ptr<ActiveDevice>& target() const { return target_; }

private:
    std::shared_ptr<ActiveDevice> target_;
};

}  // namespace ce
