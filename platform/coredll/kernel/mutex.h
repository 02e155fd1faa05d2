#pragma once

#include "kernel/kernel_object.h"

namespace ce {

// A mutex owned recursively by one thread. A mutex whose owner ended without
// releasing it is free again for the next waiter. Guarded by the device lock.
class Mutex : public KernelObject {
public:
    bool signaledLocked(EmulatedThread& waiter) const override;
    void acquireLocked(EmulatedThread& waiter) override;

    // Gives up one level of ownership; false when waiter does not own it.
    bool releaseLocked(EmulatedThread& owner);
    const EmulatedThread* ownerLocked() const { return owner_; }

private:
    EmulatedThread* owner_ = nullptr;
    unsigned depth_ = 0;
};

}  // namespace ce
