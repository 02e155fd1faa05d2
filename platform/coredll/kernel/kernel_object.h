#pragma once

#include "device/emulated_thread.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ce {

class HandleTable;

// Something a HANDLE can refer to: an event, a mutex, a thread, a process, an
// open device file, a snapshot. Objects live in the kernel's handle table;
// the device lock guards every *Locked call and the fields below.
class KernelObject {
public:
    virtual ~KernelObject();

    // Whether a wait by waiter would be satisfied now.
    virtual bool signaledLocked(EmulatedThread& waiter) const = 0;
    // After a successful wait: auto-reset events reset, mutexes take ownership.
    virtual void acquireLocked(EmulatedThread& waiter) { (void)waiter; }
    // Called without the device lock once the object's last handle is closed,
    // so that an owner may call out (a device manager closing an open context).
    virtual void onLastHandleClosed() {}

    // Objects created with a name share one namespace (events, mutexes...).
    const std::u16string& name() const { return name_; }
    int openHandleCount() const { return openHandles_; }

    // Threads blocked in a wait on this object, so that a signal can wake
    // exactly them (and PulseEvent can tell whom it released).
    const std::vector<EmulatedThread*>& waitersLocked() const { return waiters_; }
    void addWaiterLocked(EmulatedThread& thread) { waiters_.push_back(&thread); }
    void removeWaiterLocked(EmulatedThread& thread) {
        auto found = std::find(waiters_.begin(), waiters_.end(), &thread);
        if (found != waiters_.end()) waiters_.erase(found);
    }

private:
    friend class HandleTable;
    std::u16string name_;
    int openHandles_ = 0;
    std::vector<EmulatedThread*> waiters_;
};

}  // namespace ce
