#include "device/device.h"
#include "kernel/last_error.h"
#include "kernel/waitable_objects.h"

using ce::Device;

// GetCurrentProcessId: the process of the calling emulated thread.
extern "C" DWORD WINAPI GetCurrentProcessId() { return Device::current().currentThread().process().id(); }

// GetCurrentProcess: a pseudo handle that always means the calling process.
extern "C" HANDLE WINAPI GetCurrentProcess() { return ce::currentProcessPseudoHandle; }

// GetExitCodeProcess: STILL_ACTIVE until the process's last thread has ended.
extern "C" BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto process = std::dynamic_pointer_cast<ce::ProcessObject>(ce::resolveHandleLocked(device, hProcess));
    if (!process || !lpExitCode) {
        ce::setLastErrorLocked(device, process ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *lpExitCode = process->process().ended ? process->process().exitCode : STILL_ACTIVE;
    return TRUE;
}
