// What of each window shows on the screen, and repainting what a change
// uncovers. Windows always clip their children and are clipped by the
// windows above them and by their ancestors' client areas.
#include "window/window_manager.h"

namespace ce {

Region WindowManager::visibleRegionLocked(const Window& window, bool clientOnly) const {
    if (!isVisibleLocked(window)) return Region();
    Region region(clientOnly ? window.clientRect : window.windowRect);
    region.intersect(screenRectLocked());
    for (const Window* ancestor = window.parent; ancestor && ancestor != &root_; ancestor = ancestor->parent)
        region.intersect(ancestor->clientRect);
    // Siblings above this window and above each ancestor cover it.
    for (const Window* current = &window; current && current != &root_; current = current->parent) {
        for (const Window* sibling : current->parent->children) {
            if (sibling == current) break;
            if (sibling->style & WS_VISIBLE) region.subtract(sibling->windowRect);
        }
    }
    for (const Window* child : window.children)
        if (child->style & WS_VISIBLE) region.subtract(child->windowRect);
    return region;
}

std::unordered_map<HWND, WindowManager::VisibleArea> WindowManager::visibleAreasLocked() const {
    std::unordered_map<HWND, VisibleArea> areas;
    for (const auto& [handle, window] : windows_)
        if (isVisibleLocked(*window)) areas[handle] = VisibleArea{window->windowRect, visibleRegionLocked(*window, false)};
    return areas;
}

void WindowManager::exposeLocked(const std::unordered_map<HWND, VisibleArea>& before) {
    for (auto& [handle, window] : windows_) {
        if (!isVisibleLocked(*window)) continue;
        Region now = visibleRegionLocked(*window, false);
        auto earlier = before.find(handle);
        bool moved = earlier == before.end() || !EqualRect(&earlier->second.windowRect, &window->windowRect);
        // Nothing keeps a window's old pixels, so a moved window paints all of itself.
        if (!moved) now.subtract(earlier->second.region);
        if (!now.empty()) invalidateLocked(*window, now, true);
    }
}

}  // namespace ce
