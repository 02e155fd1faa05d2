// Z-order: each parent's child list, topmost first. Top-level windows with
// WS_EX_TOPMOST form a band above the others, and the shell's desktop stays
// at the very bottom.
#include "window/window_manager.h"

#include <algorithm>

namespace ce {

std::vector<Window*> WindowManager::zOrderAfterLocked(const Window& window, HWND insertAfter, bool* topmost) const {
    std::vector<Window*> order = window.parent->children;
    order.erase(std::remove(order.begin(), order.end(), &window), order.end());
    bool isTopLevel = window.parent == &root_;
    bool inTopmostBand = isTopLevel && (window.exStyle & WS_EX_TOPMOST);
    if (isTopLevel && insertAfter == HWND_TOPMOST) inTopmostBand = true;
    if (isTopLevel && (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM)) inTopmostBand = false;
    if (topmost) *topmost = inTopmostBand;

    auto isTopmost = [&](const Window* sibling) { return isTopLevel && (sibling->exStyle & WS_EX_TOPMOST); };
    size_t topmostCount = static_cast<size_t>(std::count_if(order.begin(), order.end(), isTopmost));
    size_t index;
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        index = 0;
    } else if (insertAfter == HWND_BOTTOM) {
        index = order.size();
    } else {
        auto sibling = std::find_if(order.begin(), order.end(),
                                    [&](const Window* entry) { return entry->handle == insertAfter; });
        index = sibling == order.end() ? 0 : static_cast<size_t>(sibling - order.begin()) + 1;
    }
    // Keep the window inside its band.
    if (inTopmostBand) index = std::min(index, topmostCount);
    else index = std::max(index, topmostCount);
    // Nothing goes below the desktop, and the desktop goes nowhere else.
    if (desktop_) {
        auto desktop = std::find_if(order.begin(), order.end(),
                                    [&](const Window* entry) { return entry->handle == desktop_; });
        if (window.handle == desktop_) index = order.size();
        else if (desktop != order.end()) index = std::min(index, static_cast<size_t>(desktop - order.begin()));
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(index), const_cast<Window*>(&window));
    return order;
}

void WindowManager::placeInZOrderLocked(Window& window, HWND insertAfter) {
    bool topmost = false;
    window.parent->children = zOrderAfterLocked(window, insertAfter, &topmost);
    if (window.parent == &root_) {
        if (topmost) window.exStyle |= WS_EX_TOPMOST;
        else window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
    }
}

bool WindowManager::isAtTopOfBandLocked(const Window& window) const {
    if (window.handle == desktop_) return true;  // it cannot rise
    bool topLevel = window.parent == &root_;
    bool topmost = topLevel && (window.exStyle & WS_EX_TOPMOST);
    for (const Window* sibling : window.parent->children) {
        if (sibling == &window) return true;
        bool siblingTopmost = topLevel && (sibling->exStyle & WS_EX_TOPMOST);
        // Its own pop-ups stay above it; the topmost band is above anyway.
        if (sibling->owner == &window || (siblingTopmost && !topmost)) continue;
        return false;
    }
    return true;
}

}  // namespace ce
