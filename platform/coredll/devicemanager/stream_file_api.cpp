// The file calls on stream devices. Each runs the driver's entry point on
// the calling thread, without the device lock.
#include "device/device.h"
#include "devicemanager/device_file.h"
#include "devicemanager/device_manager.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/text_conversion.h"

using ce::Device;

namespace {

void setLastError(Device& device, DWORD error) {
    std::lock_guard<std::mutex> lock(device.mutex());
    ce::setLastErrorLocked(device, error);
}

// "ABC1:": three letters, an index digit and a colon.
bool looksLikeDeviceName(const std::u16string& name) {
    return name.size() == 5 && name[4] == u':' && name[3] >= u'0' && name[3] <= u'9';
}

std::shared_ptr<ce::DeviceFile> deviceFileOrError(Device& device, HANDLE handle) {
    std::shared_ptr<ce::DeviceFile> file;
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        file = device.get<ce::HandleTable>().lookupAsLocked<ce::DeviceFile>(handle);
        if (!file) ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
    }
    return file;
}

}  // namespace

// CreateFileW: only stream devices ("DKF1:") exist; the driver's Open gets
// the access and share modes, and a zero open context fails the call.
extern "C" HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                     LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                                     DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
    (void)lpSecurityAttributes;
    (void)dwCreationDisposition;
    (void)dwFlagsAndAttributes;
    (void)hTemplateFile;
    Device& device = Device::current();
    std::u16string name = ce::wideOrEmpty(lpFileName);
    auto target = device.get<ce::DeviceManager>().find(name);
    if (!target) {
        setLastError(device, looksLikeDeviceName(name) ? ERROR_DEV_NOT_EXIST : ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    DWORD openContext = 0;
    {
        ce::DeviceCall call(device, *target);
        if (!call.begun()) {
            setLastError(device, ERROR_DEV_NOT_EXIST);
            return INVALID_HANDLE_VALUE;
        }
        if (!target->entry.open) {
            setLastError(device, ERROR_NOT_SUPPORTED);
            return INVALID_HANDLE_VALUE;
        }
        openContext = target->entry.open(target->deviceContext, dwDesiredAccess, dwShareMode);
    }
    if (openContext == 0) {
        // The driver may have said why; otherwise the device refused.
        if (GetLastError() == ERROR_SUCCESS) setLastError(device, ERROR_DEV_NOT_EXIST);
        return INVALID_HANDLE_VALUE;
    }
    std::lock_guard<std::mutex> lock(device.mutex());
    return device.get<ce::HandleTable>().insertLocked(std::make_shared<ce::DeviceFile>(device, target, openContext));
}

// ReadFile: the driver's Read result is the count of bytes read; (DWORD)-1 fails.
extern "C" BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                                LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
    (void)lpOverlapped;
    Device& device = Device::current();
    auto file = deviceFileOrError(device, hFile);
    if (!file) return FALSE;
    ce::DeviceCall call(device, file->target());
    if (!call.begun() || !file->target().entry.read) {
        setLastError(device, call.begun() ? ERROR_NOT_SUPPORTED : ERROR_DEV_NOT_EXIST);
        return FALSE;
    }
    DWORD result = file->target().entry.read(file->openContext(), lpBuffer, nNumberOfBytesToRead);
    if (result == static_cast<DWORD>(-1)) return FALSE;
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = result;
    return TRUE;
}

// WriteFile: the driver's Write result is the count of bytes written; (DWORD)-1 fails.
extern "C" BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                                 LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
    (void)lpOverlapped;
    Device& device = Device::current();
    auto file = deviceFileOrError(device, hFile);
    if (!file) return FALSE;
    ce::DeviceCall call(device, file->target());
    if (!call.begun() || !file->target().entry.write) {
        setLastError(device, call.begun() ? ERROR_NOT_SUPPORTED : ERROR_DEV_NOT_EXIST);
        return FALSE;
    }
    DWORD result = file->target().entry.write(file->openContext(), lpBuffer, nNumberOfBytesToWrite);
    if (result == static_cast<DWORD>(-1)) return FALSE;
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = result;
    return TRUE;
}

// SetFilePointer: the driver's Seek result is the new position; stream
// devices have no high half, so *lpDistanceToMoveHigh becomes 0.
extern "C" DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                                       DWORD dwMoveMethod) {
    Device& device = Device::current();
    auto file = deviceFileOrError(device, hFile);
    if (!file) return INVALID_SET_FILE_POINTER;
    ce::DeviceCall call(device, file->target());
    if (!call.begun() || !file->target().entry.seek) {
        setLastError(device, call.begun() ? ERROR_NOT_SUPPORTED : ERROR_DEV_NOT_EXIST);
        return INVALID_SET_FILE_POINTER;
    }
    DWORD position = file->target().entry.seek(file->openContext(), lDistanceToMove, dwMoveMethod);
    if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = 0;
    return position;
}

// DeviceIoControl: returns the driver's IOControl result and leaves the last
// error exactly as the driver set it.
extern "C" BOOL WINAPI DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, LPVOID lpInBuffer, DWORD nInBufferSize,
                                       LPVOID lpOutBuffer, DWORD nOutBufferSize, LPDWORD lpBytesReturned,
                                       LPOVERLAPPED lpOverlapped) {
    (void)lpOverlapped;
    Device& device = Device::current();
    auto file = deviceFileOrError(device, hDevice);
    if (!file) return FALSE;
    ce::DeviceCall call(device, file->target());
    if (!call.begun() || !file->target().entry.ioControl) {
        setLastError(device, call.begun() ? ERROR_NOT_SUPPORTED : ERROR_DEV_NOT_EXIST);
        return FALSE;
    }
    return file->target().entry.ioControl(file->openContext(), dwIoControlCode, static_cast<PBYTE>(lpInBuffer),
                                          nInBufferSize, static_cast<PBYTE>(lpOutBuffer), nOutBufferSize,
                                          lpBytesReturned);
}
