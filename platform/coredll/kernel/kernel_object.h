#pragma once

#include "device/emulated_thread.h"

#include <string>

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

private:
    friend class HandleTable;
    std::u16string name_;
    int openHandles_ = 0;
};

}  // namespace ce
