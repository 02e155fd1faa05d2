// The multiple-object wait of the kernel, kept beside the device manager
// because its drivers are what need it: a driver thread that waits for the
// shell must also hear that its module is going away.
#include "device/device.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/waitable_objects.h"

#include <memory>
#include <vector>

using ce::Device;

namespace {

// Index of the lowest signalled object, or -1.
int firstSignaledLocked(const std::vector<std::shared_ptr<ce::KernelObject>>& objects, ce::EmulatedThread& self) {
    for (std::size_t index = 0; index < objects.size(); ++index)
        if (objects[index]->signaledLocked(self)) return static_cast<int>(index);
    return -1;
}

}  // namespace

// WaitForMultipleObjects: Windows CE waits for any one object only (bWaitAll
// must be FALSE); the result names the lowest signalled handle.
extern "C" DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll,
                                                 DWORD dwMilliseconds) {
    Device& device = Device::current();
    std::unique_lock<std::mutex> lock(device.mutex());
    ce::EmulatedThread& self = device.currentThreadLocked();
    if (bWaitAll || nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || !lpHandles) {
        ce::setLastErrorLocked(device, ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<ce::KernelObject>> objects;
    for (DWORD index = 0; index < nCount; ++index) {
        auto object = ce::resolveHandleLocked(device, lpHandles[index]);
        if (!object) {
            ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        objects.push_back(std::move(object));
    }

    int signaled = firstSignaledLocked(objects, self);
    if (signaled < 0 && dwMilliseconds != 0) {
        for (auto& object : objects) object->addWaiterLocked(self);
        auto stopWaiting = [&] {
            for (auto& object : objects) object->removeWaiterLocked(self);
        };
        try {
            device.block(lock, true, dwMilliseconds, [&] { return firstSignaledLocked(objects, self) >= 0; },
                         "WaitForMultipleObjects");
        } catch (...) {
            stopWaiting();
            throw;
        }
        stopWaiting();
        signaled = firstSignaledLocked(objects, self);
    }
    if (signaled < 0) return WAIT_TIMEOUT;
    objects[static_cast<std::size_t>(signaled)]->acquireLocked(self);
    return WAIT_OBJECT_0 + static_cast<DWORD>(signaled);
}
