#pragma once

#include "device/device.h"

#include <string>

namespace ce {

// The entry points of a stream-interface driver, found by its prefix
// ("DKF_Init"...). Any but Init and Deinit may be missing.
struct StreamEntryPoints {
    DWORD (*init)(LPCWSTR context, LPCVOID busContext) = nullptr;
    BOOL (*deinit)(DWORD deviceContext) = nullptr;
    DWORD (*open)(DWORD deviceContext, DWORD access, DWORD shareMode) = nullptr;
    BOOL (*close)(DWORD openContext) = nullptr;
    DWORD (*read)(DWORD openContext, LPVOID buffer, DWORD count) = nullptr;
    DWORD (*write)(DWORD openContext, LPCVOID buffer, DWORD count) = nullptr;
    DWORD (*seek)(DWORD openContext, LONG amount, DWORD type) = nullptr;
    BOOL (*ioControl)(DWORD openContext, DWORD code, PBYTE in, DWORD inLength, PBYTE out, DWORD outLength,
                      PDWORD actualOut) = nullptr;
};

// One activated stream device ("DKF1:"): its driver module, entry points and
// device context. Calls into the driver run without any lock; the device
// lock guards active and callsInProgress, so that a deactivation waits for
// the calls already running and later calls find the device gone.
struct ActiveDevice {
    std::u16string name;           // prefix, index and colon
    std::u16string keyPath;        // the driver's key, below HKEY_LOCAL_MACHINE
    std::u16string activeKeyPath;  // its key below Drivers\Active, handed to Init
    HMODULE module = nullptr;
    StreamEntryPoints entry;
    DWORD deviceContext = 0;

    bool active = true;
    int callsInProgress = 0;
};

// Brackets one call into a device's driver: begin() fails once the device
// has been deactivated; the end wakes a deactivation waiting for it.
class DeviceCall {
public:
    DeviceCall(Device& device, ActiveDevice& target);
    ~DeviceCall();
    DeviceCall(const DeviceCall&) = delete;
    DeviceCall& operator=(const DeviceCall&) = delete;
    bool begun() const { return begun_; }

private:
    Device& device_;
    ActiveDevice& target_;
    bool begun_ = false;
};

}  // namespace ce
