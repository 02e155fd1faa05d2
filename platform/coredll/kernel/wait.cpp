#include "device/device.h"
#include "kernel/last_error.h"
#include "kernel/handle_table.h"
#include "kernel/waitable_objects.h"

using ce::Device;

// WaitForSingleObject: a zero timeout only polls; a bad handle gives WAIT_FAILED.
extern "C" DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    Device& device = Device::current();
    std::unique_lock<std::mutex> lock(device.mutex());
    ce::EmulatedThread& self = device.currentThreadLocked();
    auto object = ce::resolveHandleLocked(device, hHandle);
    if (!object) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    if (!object->signaledLocked(self)) {
        if (dwMilliseconds == 0) return WAIT_TIMEOUT;
        object->addWaiterLocked(self);
        bool signalled = false;
        try {
            signalled = device.block(lock, true, dwMilliseconds, [&] { return object->signaledLocked(self); },
                                     "WaitForSingleObject");
        } catch (...) {
            object->removeWaiterLocked(self);
            throw;
        }
        object->removeWaiterLocked(self);
        if (!signalled) return WAIT_TIMEOUT;
    }
    object->acquireLocked(self);
    return WAIT_OBJECT_0;
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
