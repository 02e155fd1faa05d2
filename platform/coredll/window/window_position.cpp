// SetWindowPos, the one path through which windows move, change size, go up
// or down in z-order, appear and disappear. Messages in the platform's
// order: WM_WINDOWPOSCHANGING (the procedure may change the WINDOWPOS),
// WM_NCCALCSIZE when the size changes, the change itself with repainting
// of what it uncovers, activation, then WM_WINDOWPOSCHANGED (whose default
// handling sends WM_MOVE and WM_SIZE).
#include "window/window_manager.h"

#include <algorithm>

namespace ce {

namespace {

constexpr UINT kStateFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;

RECT offsetRect(RECT rect, LONG dx, LONG dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace

void WindowManager::moveWindowLocked(Window& window, const RECT& windowRect, const RECT& clientRect) {
    LONG dx = clientRect.left - window.clientRect.left;
    LONG dy = clientRect.top - window.clientRect.top;
    window.updateRegion.offset(windowRect.left - window.windowRect.left, windowRect.top - window.windowRect.top);
    window.updateRegion.intersect(windowRect);
    window.windowRect = windowRect;
    window.clientRect = clientRect;
    if (dx == 0 && dy == 0) return;
    // Children are placed in the client area, so they travel with it.
    std::vector<Window*> pending(window.children.begin(), window.children.end());
    while (!pending.empty()) {
        Window* child = pending.back();
        pending.pop_back();
        child->windowRect = offsetRect(child->windowRect, dx, dy);
        child->clientRect = offsetRect(child->clientRect, dx, dy);
        child->updateRegion.offset(dx, dy);
        pending.insert(pending.end(), child->children.begin(), child->children.end());
    }
}

// Drops the flags whose change would be no change, as the platform does, so
// that WM_WINDOWPOSCHANGED and WM_MOVE/WM_SIZE come only for real changes.
static void normalize(const Window& window, WINDOWPOS& position, POINT origin,
                      bool atTopAlready, bool isForeground) {
    if (!(position.flags & SWP_NOSIZE)) {
        position.cx = std::max(position.cx, 0);
        position.cy = std::max(position.cy, 0);
        if (position.cx == window.windowRect.right - window.windowRect.left &&
            position.cy == window.windowRect.bottom - window.windowRect.top)
            position.flags |= SWP_NOSIZE;
    }
    if (!(position.flags & SWP_NOMOVE) && position.x == window.windowRect.left - origin.x &&
        position.y == window.windowRect.top - origin.y)
        position.flags |= SWP_NOMOVE;
    if (window.style & WS_VISIBLE) {
        position.flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    } else {
        position.flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
        if (!(position.flags & SWP_SHOWWINDOW)) position.flags |= SWP_NOREDRAW | SWP_NOACTIVATE;
    }
    if (!(position.flags & SWP_NOZORDER) && (position.hwndInsertAfter == window.handle || atTopAlready))
        position.flags |= SWP_NOZORDER;
    if (isForeground) position.flags |= SWP_NOACTIVATE;
}

BOOL WindowManager::setWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    WINDOWPOS position{handle, insertAfter, x, y, cx, cy, flags};
    auto zOrderUnchanged = [&](const Window& target, HWND after) {
        return target.parent->children == zOrderAfterLocked(target, after, nullptr);
    };
    normalize(*window, position, positionOriginLocked(*window), zOrderUnchanged(*window, insertAfter),
              foreground_ == handle);
    lock.unlock();

    send(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));

    lock.lock();
    window = findLocked(handle);
    if (!window) return FALSE;
    position.hwnd = handle;
    POINT origin = positionOriginLocked(*window);
    normalize(*window, position, origin, zOrderUnchanged(*window, position.hwndInsertAfter),
              foreground_ == handle);

    RECT newWindow = window->windowRect;
    if (!(position.flags & SWP_NOMOVE))
        newWindow = offsetRect(newWindow, origin.x + position.x - newWindow.left, origin.y + position.y - newWindow.top);
    if (!(position.flags & SWP_NOSIZE)) {
        newWindow.right = newWindow.left + position.cx;
        newWindow.bottom = newWindow.top + position.cy;
    }
    RECT newClient = offsetRect(window->clientRect, newWindow.left - window->windowRect.left,
                                newWindow.top - window->windowRect.top);
    if (!(position.flags & SWP_NOSIZE) || (position.flags & SWP_FRAMECHANGED)) {
        // The procedure says where the client area lies (parent coordinates).
        RECT proposed = offsetRect(newWindow, -origin.x, -origin.y);
        lock.unlock();
        send(handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
        lock.lock();
        window = findLocked(handle);
        if (!window) return FALSE;
        origin = positionOriginLocked(*window);
        newClient = offsetRect(proposed, origin.x, origin.y);
    }

    auto before = visibleAreasLocked();
    moveWindowLocked(*window, newWindow, newClient);
    if (!(position.flags & SWP_NOZORDER)) placeInZOrderLocked(*window, position.hwndInsertAfter);
    if (position.flags & SWP_SHOWWINDOW) window->style |= WS_VISIBLE;
    if (position.flags & SWP_HIDEWINDOW) window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (!(position.flags & SWP_NOREDRAW)) exposeLocked(before);
    if (position.flags & SWP_FRAMECHANGED) invalidateLocked(*window, Region(window->windowRect), true);
    bool isChild = (window->style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
    lock.unlock();

    if (!(position.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW))) {
        if (isChild) send(handle, WM_CHILDACTIVATE, 0, 0);
        else activate(handle, WA_ACTIVE);
    }
    bool changed = (position.flags & kStateFlags) != kStateFlags ||
                   (position.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED));
    if (changed) send(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    return TRUE;
}

}  // namespace ce
