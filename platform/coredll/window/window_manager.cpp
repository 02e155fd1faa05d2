#include "window/window_manager.h"

#include "dialog/dialog_classes.h"
#include "gdi/screen.h"
#include "kernel/last_error.h"

#include <algorithm>

namespace ce {

WindowManager::WindowManager(Device& device) : device_(device) {
    // The root stands for the screen: top-level windows are its children.
    root_.style = WS_VISIBLE;
    addSystemClasses(classes_);
}

WindowManager::~WindowManager() = default;

WindowManager& WindowManager::current() { return Device::current().get<WindowManager>(); }

Window* WindowManager::findLocked(HWND handle) const {
    if (!handle) return nullptr;
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.get();
}

Window* WindowManager::requireLocked(HWND handle) {
    Window* window = findLocked(handle);
    if (!window) setErrorLocked(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

void WindowManager::setErrorLocked(DWORD error) { setLastErrorLocked(device_, error); }

Window& WindowManager::topLevelOfLocked(Window& window) {
    Window* current = &window;
    while (current->parent && current->parent != &root_) current = current->parent;
    return *current;
}

bool WindowManager::isVisibleLocked(const Window& window) const {
    for (const Window* current = &window; current && current != &root_; current = current->parent)
        if (!(current->style & WS_VISIBLE)) return false;
    return true;
}

bool WindowManager::acceptsInputLocked(const Window& window) const {
    for (const Window* current = &window; current && current != &root_; current = current->parent)
        if (current->style & WS_DISABLED) return false;
    return true;
}

bool WindowManager::isDescendantLocked(const Window& ancestor, const Window& window) const {
    for (const Window* current = window.parent; current && current != &root_; current = current->parent)
        if (current == &ancestor) return true;
    return false;
}

RECT WindowManager::screenRectLocked() const {
    auto& screen = device_.get<Screen>();
    return RECT{0, 0, screen.width(), screen.height()};
}

POINT WindowManager::positionOriginLocked(const Window& window) const {
    if (!window.parent || window.parent == &root_) return POINT{0, 0};
    return POINT{window.parent->clientRect.left, window.parent->clientRect.top};
}

std::vector<Window*> WindowManager::windowsOfThreadLocked(const EmulatedThread& thread) const {
    std::vector<Window*> result;
    // Depth first in z-order, parents before their children.
    std::vector<const Window*> pending{&root_};
    while (!pending.empty()) {
        const Window* current = pending.back();
        pending.pop_back();
        for (auto child = current->children.rbegin(); child != current->children.rend(); ++child)
            pending.push_back(*child);
        if (current != &root_ && current->thread == &thread) result.push_back(const_cast<Window*>(current));
    }
    return result;
}

}  // namespace ce
