#include "devicemanager/active_device.h"

namespace ce {

DeviceCall::DeviceCall(Device& device, ActiveDevice& target) : device_(device), target_(target) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    if (!target_.active) return;
    ++target_.callsInProgress;
    begun_ = true;
}

DeviceCall::~DeviceCall() {
    if (!begun_) return;
    std::lock_guard<std::mutex> lock(device_.mutex());
    if (--target_.callsInProgress == 0) device_.wakeAllLocked();
}

}  // namespace ce
