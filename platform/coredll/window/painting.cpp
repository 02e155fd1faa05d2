// Update regions, paint cycles and window device contexts. An update
// region lives in screen coordinates inside the window rectangle; the part
// over the non-client area is painted through WM_NCPAINT when the paint
// cycle begins, the rest through WM_ERASEBKGND and the caller's drawing.
#include "window/window_manager.h"

#include "gdi/device_context.h"

namespace ce {

namespace {

RECT toScreen(const Window& window, const RECT& client) {
    return RECT{client.left + window.clientRect.left, client.top + window.clientRect.top,
                client.right + window.clientRect.left, client.bottom + window.clientRect.top};
}

}  // namespace

void WindowManager::invalidateLocked(Window& window, const Region& area, bool erase) {
    Region added = area;
    added.intersect(window.windowRect);
    if (added.empty()) return;
    window.updateRegion.unite(added);
    if (erase) window.erasePending = true;
    device_.wakeLocked(*window.thread);
}

Window* WindowManager::windowNeedingPaintLocked(const EmulatedThread& thread, HWND filter) const {
    const Window* filterWindow = filter ? findLocked(filter) : nullptr;
    if (filter && !filterWindow) return nullptr;
    for (Window* window : windowsOfThreadLocked(thread)) {
        if (window->updateRegion.empty() || !isVisibleLocked(*window)) continue;
        if (filterWindow && window != filterWindow && !isDescendantLocked(*filterWindow, *window)) continue;
        return window;
    }
    return nullptr;
}

BOOL WindowManager::invalidateRect(HWND handle, const RECT* clientRect, BOOL erase) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    Region area(clientRect ? toScreen(*window, *clientRect) : window->clientRect);
    area.intersect(window->clientRect);
    invalidateLocked(*window, area, erase != FALSE);
    return TRUE;
}

BOOL WindowManager::validateRect(HWND handle, const RECT* clientRect) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    if (clientRect) window->updateRegion.subtract(toScreen(*window, *clientRect));
    else window->updateRegion.subtract(window->clientRect);
    if (window->updateRegion.empty()) window->erasePending = false;
    return TRUE;
}

BOOL WindowManager::getUpdateRect(HWND handle, RECT* clientRect, BOOL erase) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    Region client = window->updateRegion;
    client.intersect(window->clientRect);
    RECT bounds = client.bounds();
    if (clientRect) {
        *clientRect = client.empty() ? RECT{0, 0, 0, 0}
                                     : RECT{bounds.left - window->clientRect.left, bounds.top - window->clientRect.top,
                                            bounds.right - window->clientRect.left,
                                            bounds.bottom - window->clientRect.top};
    }
    bool pendingErase = window->erasePending;
    lock.unlock();
    if (erase && pendingErase && !client.empty()) {
        // Erasing now, as asked: the background is drawn and the flag cleared.
        HDC dc = getDC(handle, false);
        LRESULT erased = send(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        releaseDC(handle, dc);
        lock.lock();
        if (Window* still = findLocked(handle); still && erased) still->erasePending = false;
    }
    return client.empty() ? FALSE : TRUE;
}

BOOL WindowManager::updateWindow(HWND handle) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    bool needsPaint = !window->updateRegion.empty() && isVisibleLocked(*window);
    lock.unlock();
    if (needsPaint) send(handle, WM_PAINT, 0, 0);
    return TRUE;
}

HDC WindowManager::beginPaint(HWND handle, PAINTSTRUCT* paint) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window || !paint) return nullptr;
    // Validate first, so that what is invalidated while painting is kept.
    Region captured = window->updateRegion;
    bool erase = window->erasePending;
    window->updateRegion.clear();
    window->erasePending = false;
    Region nonClient(window->windowRect);
    nonClient.subtract(window->clientRect);
    nonClient.intersect(captured);
    captured.intersect(window->clientRect);
    lock.unlock();

    if (!nonClient.empty()) send(handle, WM_NCPAINT, 1, 0);

    lock.lock();
    window = findLocked(handle);
    if (!window) return nullptr;
    Region clip = visibleRegionLocked(*window, true);
    clip.intersect(captured);
    POINT origin{window->clientRect.left, window->clientRect.top};
    lock.unlock();

    HDC dc = gdi::createDeviceContext(device_, handle, origin, clip.rects());
    bool erased = false;
    if (erase) erased = send(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->fErase = erase && !erased ? TRUE : FALSE;
    if (!captured.empty()) {
        RECT bounds = captured.bounds();
        paint->rcPaint = RECT{bounds.left - origin.x, bounds.top - origin.y, bounds.right - origin.x,
                              bounds.bottom - origin.y};
    }
    return dc;
}

BOOL WindowManager::endPaint(HWND, const PAINTSTRUCT* paint) {
    if (paint && paint->hdc) gdi::releaseDeviceContext(paint->hdc);
    return TRUE;
}

HDC WindowManager::getDC(HWND handle, bool wholeWindow) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    if (!handle) {
        // The whole screen, drawn over every window.
        lock.unlock();
        return gdi::createDeviceContext(device_, nullptr, POINT{0, 0}, std::nullopt);
    }
    Window* window = requireLocked(handle);
    if (!window) return nullptr;
    Region clip = visibleRegionLocked(*window, !wholeWindow);
    const RECT& area = wholeWindow ? window->windowRect : window->clientRect;
    POINT origin{area.left, area.top};
    lock.unlock();
    return gdi::createDeviceContext(device_, handle, origin, clip.rects());
}

int WindowManager::releaseDC(HWND, HDC dc) {
    if (!dc) return 0;
    gdi::releaseDeviceContext(dc);
    return 1;
}

}  // namespace ce
