// Loading and unloading stream drivers from a program, on its own thread.
#include "device/device.h"
#include "devicemanager/device_file.h"
#include "devicemanager/device_manager.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/text_conversion.h"

using ce::Device;

// ActivateDeviceEx: lpszDevKey is below HKEY_LOCAL_MACHINE; lpvParam reaches
// the driver's Init as its second argument. Extra registry entries are not
// supported. Fails with INVALID_HANDLE_VALUE, as ActivateDevice documents.
extern "C" HANDLE WINAPI ActivateDeviceEx(LPCWSTR lpszDevKey, LPCVOID lpRegEnts, DWORD cRegEnts, LPVOID lpvParam) {
    Device& device = Device::current();
    if (!lpszDevKey || (lpRegEnts && cRegEnts != 0)) {
        std::lock_guard<std::mutex> lock(device.mutex());
        ce::setLastErrorLocked(device, lpszDevKey ? ERROR_NOT_SUPPORTED : ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto target = device.get<ce::DeviceManager>().activateHere(ce::wideOrEmpty(lpszDevKey), lpvParam);
    if (!target) return INVALID_HANDLE_VALUE;
    std::lock_guard<std::mutex> lock(device.mutex());
    return device.get<ce::HandleTable>().insertLocked(std::make_shared<ce::DeviceActivation>(target));
}

// DeactivateDevice: calls the driver's Deinit and unloads it once the calls
// running in it have returned.
extern "C" BOOL WINAPI DeactivateDevice(HANDLE hDevice) {
    Device& device = Device::current();
    std::shared_ptr<ce::DeviceActivation> activation;
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        activation = device.get<ce::HandleTable>().lookupAsLocked<ce::DeviceActivation>(hDevice);
        if (!activation) {
            ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
            return FALSE;
        }
    }
    return device.get<ce::DeviceManager>().deactivateHere(activation->target());
}
