// The kernel's waits. Windows CE waits for one object or for any one of
// several (never for all of them); both come down to waitForAny.
#include "device/device.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/waitable_objects.h"

#include <memory>
#include <vector>

using ce::Device;

namespace {

using Objects = std::vector<std::shared_ptr<ce::KernelObject>>;

// Index of the lowest signalled object, or -1.
int firstSignaledLocked(const Objects& objects, ce::EmulatedThread& self) {
    for (std::size_t index = 0; index < objects.size(); ++index)
        if (objects[index]->signaledLocked(self)) return static_cast<int>(index);
    return -1;
}

// Waits until one of objects is signalled or the timeout passes (0 only
// polls), then takes the lowest signalled one. WAIT_OBJECT_0 + its index, or
// WAIT_TIMEOUT. Lock held.
DWORD waitForAnyLocked(Device& device, std::unique_lock<std::mutex>& lock, const Objects& objects,
                       DWORD milliseconds, const char* reason) {
    ce::EmulatedThread& self = device.currentThreadLocked();
    int signaled = firstSignaledLocked(objects, self);
    if (signaled < 0 && milliseconds != 0) {
        for (auto& object : objects) object->addWaiterLocked(self);
        auto stopWaiting = [&] {
            for (auto& object : objects) object->removeWaiterLocked(self);
        };
        try {
            device.block(lock, true, milliseconds, [&] { return firstSignaledLocked(objects, self) >= 0; }, reason);
        } catch (...) {
            stopWaiting();
            throw;
        }
        // Asked while still a waiter: a pulse counts only for a thread that
        // is waiting on the event.
        signaled = firstSignaledLocked(objects, self);
        stopWaiting();
    }
    if (signaled < 0) return WAIT_TIMEOUT;
    objects[static_cast<std::size_t>(signaled)]->acquireLocked(self);
    return WAIT_OBJECT_0 + static_cast<DWORD>(signaled);
}

}  // namespace

// WaitForSingleObject: a zero timeout only polls; a bad handle gives WAIT_FAILED.
extern "C" DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    Device& device = Device::current();
    std::unique_lock<std::mutex> lock(device.mutex());
    auto object = ce::resolveHandleLocked(device, hHandle);
    if (!object) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return waitForAnyLocked(device, lock, Objects{std::move(object)}, dwMilliseconds, "WaitForSingleObject");
}

// WaitForMultipleObjects: Windows CE waits for any one object only (bWaitAll
// must be FALSE); the result names the lowest signalled handle.
extern "C" DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll,
                                                 DWORD dwMilliseconds) {
    Device& device = Device::current();
    std::unique_lock<std::mutex> lock(device.mutex());
    if (bWaitAll || nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || !lpHandles) {
        ce::setLastErrorLocked(device, ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    Objects objects;
    for (DWORD index = 0; index < nCount; ++index) {
        auto object = ce::resolveHandleLocked(device, lpHandles[index]);
        if (!object) {
            ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        objects.push_back(std::move(object));
    }
    return waitForAnyLocked(device, lock, objects, dwMilliseconds, "WaitForMultipleObjects");
}

// CloseHandle: the object goes with its last handle; closing a pseudo handle succeeds.
extern "C" BOOL WINAPI CloseHandle(HANDLE hObject) {
    if (hObject == ce::currentThreadPseudoHandle || hObject == ce::currentProcessPseudoHandle) return TRUE;
    Device& device = Device::current();
    if (device.get<ce::HandleTable>().close(hObject)) return TRUE;
    std::lock_guard<std::mutex> lock(device.mutex());
    ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
    return FALSE;
}
