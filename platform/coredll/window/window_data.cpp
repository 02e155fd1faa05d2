// GetWindowLong/SetWindowLong: the window's procedure, styles, id, user
// data, owner and the class's extra bytes. Values are pointer-sized on this
// host so that a procedure survives the round trip.
#include "window/window_manager.h"

#include <cstring>

namespace ce {

namespace {

// Where index points in the extra bytes: a pointer-sized slot where it fits,
// a 32-bit one at the very end; empty (size 0) when the index is outside.
struct ExtraSlot {
    unsigned char* bytes = nullptr;
    size_t size = 0;
};

// Sets ERROR_INVALID_INDEX when the index is outside. Lock held.
ExtraSlot extraSlotOrError(WindowManager& manager, Window& window, int index) {
    size_t size = window.extraBytes.size();
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG) > size) {
        manager.setErrorLocked(ERROR_INVALID_INDEX);
        return {};
    }
    size_t slotSize = static_cast<size_t>(index) + sizeof(LONG_PTR) <= size ? sizeof(LONG_PTR) : sizeof(LONG);
    return {window.extraBytes.data() + index, slotSize};
}

LONG_PTR readSlot(const ExtraSlot& slot) {
    if (slot.size == sizeof(LONG_PTR)) {
        LONG_PTR value;
        std::memcpy(&value, slot.bytes, sizeof value);
        return value;
    }
    LONG value;
    std::memcpy(&value, slot.bytes, sizeof value);
    return value;
}

void writeSlot(const ExtraSlot& slot, LONG_PTR value) {
    if (slot.size == sizeof(LONG_PTR)) {
        std::memcpy(slot.bytes, &value, sizeof value);
        return;
    }
    LONG narrow = static_cast<LONG>(value);
    std::memcpy(slot.bytes, &narrow, sizeof narrow);
}

}  // namespace

LONG_PTR WindowManager::getWindowLong(HWND handle, int index) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->procedure);
    case GWL_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->instance);
    case GWL_HWNDPARENT:
        if (isTopLevelLocked(*window)) return reinterpret_cast<LONG_PTR>(window->owner ? window->owner->handle : nullptr);
        return reinterpret_cast<LONG_PTR>(window->parent->handle);
    case GWL_ID:
        return window->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(window->style));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(window->exStyle));
    case GWL_USERDATA:
        return window->userData;
    default:
        break;
    }
    ExtraSlot slot = extraSlotOrError(*this, *window, index);
    if (!slot.size) return 0;
    return readSlot(slot);
}

LONG_PTR WindowManager::setWindowLong(HWND handle, int index, LONG_PTR value) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return 0;
    LONG_PTR previous = 0;
    switch (index) {
    case GWL_WNDPROC:
        // Takes effect at once, also for a window of another thread.
        if (!value) {
            setErrorLocked(ERROR_INVALID_PARAMETER);
            return 0;
        }
        previous = reinterpret_cast<LONG_PTR>(window->procedure);
        window->procedure = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWL_HWNDPARENT: {
        if (!isTopLevelLocked(*window)) return 0;
        previous = reinterpret_cast<LONG_PTR>(window->owner ? window->owner->handle : nullptr);
        Window* owner = findLocked(reinterpret_cast<HWND>(value));
        window->owner = owner ? &topLevelOfLocked(*owner) : nullptr;
        if (window->owner == window) window->owner = nullptr;
        return previous;
    }
    case GWL_ID:
        previous = window->id;
        window->id = value;
        return previous;
    case GWL_STYLE:
        previous = static_cast<LONG>(window->style);
        window->style = static_cast<DWORD>(value);
        return previous;
    case GWL_EXSTYLE:
        previous = static_cast<LONG>(window->exStyle);
        window->exStyle = static_cast<DWORD>(value);
        return previous;
    case GWL_USERDATA:
        previous = window->userData;
        window->userData = value;
        return previous;
    default:
        break;
    }
    ExtraSlot slot = extraSlotOrError(*this, *window, index);
    if (!slot.size) return 0;
    previous = readSlot(slot);
    writeSlot(slot, value);
    return previous;
}

}  // namespace ce
