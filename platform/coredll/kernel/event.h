#pragma once

#include "device/device.h"
#include "kernel/kernel_object.h"

#include <vector>

namespace ce {

// A manual- or auto-reset event. A pulse releases the threads waiting at
// that moment (all of them, or one for an auto-reset event) without leaving
// the event set. Guarded by the device lock.
class Event : public KernelObject {
public:
    Event(bool manualReset, bool initiallySet) : manualReset_(manualReset), set_(initiallySet) {}

    bool signaledLocked(EmulatedThread& waiter) const override;
    void acquireLocked(EmulatedThread& waiter) override;

    void setLocked(Device& device);
    void resetLocked() { set_ = false; }
    void pulseLocked(Device& device);
    bool isSetLocked() const { return set_; }

private:
    bool released(const EmulatedThread& waiter) const;
    bool waiting(const EmulatedThread& thread) const;
    void forgetStalePulses();

    bool manualReset_;
    bool set_;
    std::vector<const EmulatedThread*> pulsed_;  // released by a pulse, not yet returned
};

}  // namespace ce
