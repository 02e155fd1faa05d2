// Exported coordinate and hit-testing calls, and the screen metrics.
#include "window/non_client.h"
#include "window/window_manager.h"

#include "gdi/screen.h"

using ce::Window;
using ce::WindowManager;

namespace {

bool contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

// ClientToScreen: adds the client area's screen position.
extern "C" BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWnd);
    if (!window || !lpPoint) return FALSE;
    lpPoint->x += window->clientRect.left;
    lpPoint->y += window->clientRect.top;
    return TRUE;
}

// ScreenToClient: subtracts the client area's screen position.
extern "C" BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWnd);
    if (!window || !lpPoint) return FALSE;
    lpPoint->x -= window->clientRect.left;
    lpPoint->y -= window->clientRect.top;
    return TRUE;
}

// MapWindowPoints: NULL stands for the screen; returns the offset packed as MAKELONG(dx, dy).
extern "C" int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    POINT from{0, 0};
    POINT to{0, 0};
    if (hWndFrom) {
        Window* window = manager.requireLocked(hWndFrom);
        if (!window) return 0;
        from = POINT{window->clientRect.left, window->clientRect.top};
    }
    if (hWndTo) {
        Window* window = manager.requireLocked(hWndTo);
        if (!window) return 0;
        to = POINT{window->clientRect.left, window->clientRect.top};
    }
    LONG dx = from.x - to.x;
    LONG dy = from.y - to.y;
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(dx, dy);
}

// WindowFromPoint: the deepest visible window under the screen point.
extern "C" HWND WINAPI WindowFromPoint(POINT Point) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.windowAtLocked(Point);
    return window ? window->handle : nullptr;
}

// ChildWindowFromPoint: the direct child (hidden ones included) under a point in the parent's client coordinates; the parent itself if none, NULL if outside.
extern "C" HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* parent = manager.requireLocked(hWndParent);
    if (!parent) return nullptr;
    POINT screen{Point.x + parent->clientRect.left, Point.y + parent->clientRect.top};
    if (!contains(parent->windowRect, screen)) return nullptr;
    for (Window* child : parent->children)
        if (contains(child->windowRect, screen)) return child->handle;
    return hWndParent;
}

// GetSystemMetrics: Pocket PC values; the screen size is read afresh each time, since it can change.
extern "C" int WINAPI GetSystemMetrics(int nIndex) {
    auto& screen = ce::Device::current().get<ce::Screen>();
    switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return screen.width();
    case SM_CYSCREEN:
        return screen.height();
    case SM_CYFULLSCREEN:
        return screen.height() - ce::kCaptionHeight;
    case SM_CYCAPTION:
        return ce::kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 13;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}
