#pragma once

#include "device/device.h"
#include "dialog/dialog_state.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <unordered_map>

namespace ce {

// The dialog manager's record of every dialog window of the device, keyed by
// handle. Guarded by the device lock; the callbacks given to update() run
// with that lock held and must not call the platform API.
class DialogRegistry : public DeviceComponent {
public:
    explicit DialogRegistry(Device& device) : device_(device) {}

    static DialogRegistry& current();

    std::optional<DialogState> find(HWND dialog);
    // Creates the record on first use.
    void update(HWND dialog, const std::function<void(DialogState&)>& change);
    std::optional<DialogState> remove(HWND dialog);

private:
    Device& device_;
    std::unordered_map<HWND, DialogState> dialogs_;
};

}  // namespace ce
