#pragma once

#include "device/device.h"

#include <atomic>

namespace ce::aygshell {

// The state of the device's one input panel (the on-screen keyboard). The
// panel itself is not drawn; its state decides how SHInitDialog sizes a
// dialog and what SHHandleWMActivate saves and restores.
class InputPanel : public DeviceComponent {
public:
    explicit InputPanel(Device&) {}

    bool raised() const { return raised_.load(); }
    void setRaised(bool raised) { raised_.store(raised); }

    // The panel of the active device.
    static InputPanel& current() { return Device::current().get<InputPanel>(); }

private:
    std::atomic<bool> raised_{false};
};

}  // namespace ce::aygshell
