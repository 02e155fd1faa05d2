#include "kernel/mutex.h"

#include "device/device.h"
#include "kernel/named_objects.h"

namespace ce {

bool Mutex::signaledLocked(EmulatedThread& waiter) const {
    return owner_ == nullptr || owner_ == &waiter || owner_->finished;
}

void Mutex::acquireLocked(EmulatedThread& waiter) {
    if (owner_ != &waiter) {
        owner_ = &waiter;
        depth_ = 0;
    }
    ++depth_;
}

bool Mutex::releaseLocked(EmulatedThread& owner) {
    if (owner_ != &owner || depth_ == 0) return false;
    if (--depth_ == 0) owner_ = nullptr;
    return true;
}

}  // namespace ce

using ce::Device;
using ce::HandleTable;
using ce::Mutex;

// CreateMutexW: an existing name opens that mutex with ERROR_ALREADY_EXISTS and without ownership.
extern "C" HANDLE WINAPI CreateMutexW(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCWSTR lpName) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    return ce::createOrOpenNamedLocked<Mutex>(device, lpName, [&] {
        auto mutex = std::make_shared<Mutex>();
        if (bInitialOwner) mutex->acquireLocked(device.currentThreadLocked());
        return mutex;
    });
}

// ReleaseMutex: only the owning thread may release; others get ERROR_NOT_OWNER.
extern "C" BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto mutex = device.get<HandleTable>().lookupAsLocked<Mutex>(hMutex);
    if (!mutex) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!mutex->releaseLocked(device.currentThreadLocked())) {
        ce::setLastErrorLocked(device, ERROR_NOT_OWNER);
        return FALSE;
    }
    for (ce::EmulatedThread* waiter : mutex->waitersLocked()) device.wakeLocked(*waiter);
    return TRUE;
}
