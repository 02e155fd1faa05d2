#pragma once

#include "device/device.h"
#include "devicemanager/active_device.h"

#include <memory>
#include <string>
#include <vector>

namespace ce {

// The device manager: loads stream-interface drivers named in the registry
// and routes file calls on their devices ("DKF1:") to their entry points.
//
// A driver key (below HKEY_LOCAL_MACHINE) holds "Dll" (the module, e.g.
// "Dockfade.dll", found by LoadLibrary), "Prefix" (three letters), "Index"
// (0-9; default the first free of 1-9, then 0) and "Order" (boot order,
// ascending; keys without one come last). Activation loads the module (its
// DllMain attach runs inside LoadLibrary), finds <Prefix>_Init and the other
// entry points, records the device below Drivers\Active\NN and calls
// <Prefix>_Init(that Active key's path, bus context). Deactivation waits for
// the device's running calls, calls <Prefix>_Deinit and frees the module
// (DllMain detach).
//
// The host calls (boot, activate, deactivate) run on an emulated thread of
// the device manager's own and return when it is done; the API calls run on
// the calling thread, as on the device.
class DeviceManager : public DeviceComponent {
public:
    explicit DeviceManager(Device& device);
    ~DeviceManager() override;

    // Adds a REGEDIT4 file to the device's registry.
    bool loadRegistry(const std::string& path, std::string* error = nullptr);
    // Activates every key below HKEY_LOCAL_MACHINE\Drivers\BuiltIn in
    // ascending "Order". Every key is tried; error lists the failures.
    bool bootBuiltInDrivers(std::string* error = nullptr);
    bool activate(const std::u16string& keyPath, std::string* error = nullptr);
    bool deactivate(const std::u16string& deviceName, std::string* error = nullptr);
    std::vector<std::u16string> deviceNames() const;

    // --- on the calling thread (the API functions) ---
    // Sets the last error and returns null on failure.
    std::shared_ptr<ActiveDevice> activateHere(const std::u16string& keyPath, LPCVOID busContext,
                                               std::string* error = nullptr);
    bool deactivateHere(const std::shared_ptr<ActiveDevice>& target);
    // The active device of that name ("dkf1:" matches), or null.
    std::shared_ptr<ActiveDevice> find(const std::u16string& deviceName) const;

private:
    bool runOnManagerThread(const std::function<bool(std::string*)>& work, std::string* error);
    std::u16string nextActiveKeyLocked();

    Device& device_;
    std::vector<std::shared_ptr<ActiveDevice>> devices_;  // device lock
    int nextActiveNumber_ = 1;                            // device lock
};

}  // namespace ce
