#include "dialog/dialog_registry.h"

namespace ce {

DialogRegistry& DialogRegistry::current() {
    return Device::current().get<DialogRegistry>();
}

std::optional<DialogState> DialogRegistry::find(HWND dialog) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    auto found = dialogs_.find(dialog);
    if (found == dialogs_.end()) return std::nullopt;
    return found->second;
}

void DialogRegistry::update(HWND dialog, const std::function<void(DialogState&)>& change) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    change(dialogs_[dialog]);
}

std::optional<DialogState> DialogRegistry::remove(HWND dialog) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    auto found = dialogs_.find(dialog);
    if (found == dialogs_.end()) return std::nullopt;
    DialogState state = found->second;
    dialogs_.erase(found);
    return state;
}

}  // namespace ce
