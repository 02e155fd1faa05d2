// Exported calls that walk the window tree.
#include "window/window_manager.h"

#include <algorithm>

using ce::Window;
using ce::WindowManager;

// GetParent: the parent of a child window, the owner of a pop-up, NULL otherwise.
extern "C" HWND WINAPI GetParent(HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWnd);
    if (!window) return nullptr;
    if (!manager.isTopLevelLocked(*window)) return window->parent->handle;
    return (window->style & WS_POPUP) && window->owner ? window->owner->handle : nullptr;
}

// SetParent: moves a window under a new parent (NULL: top-level), on top of its new siblings.
extern "C" HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWndChild);
    if (!window) return nullptr;
    Window* newParent = &manager.rootLocked();
    if (hWndNewParent) {
        newParent = manager.requireLocked(hWndNewParent);
        if (!newParent || newParent == window || manager.isDescendantLocked(*window, *newParent)) return nullptr;
    }
    HWND previous = manager.isTopLevelLocked(*window) ? nullptr : window->parent->handle;
    // The window keeps its place relative to its parent's client area.
    POINT oldOrigin = manager.positionOriginLocked(*window);
    auto& oldSiblings = window->parent->children;
    oldSiblings.erase(std::remove(oldSiblings.begin(), oldSiblings.end(), window), oldSiblings.end());
    window->parent = newParent;
    newParent->children.insert(newParent->children.begin(), window);
    POINT newOrigin = manager.positionOriginLocked(*window);
    LONG dx = newOrigin.x - oldOrigin.x;
    LONG dy = newOrigin.y - oldOrigin.y;
    std::vector<Window*> pending{window};
    while (!pending.empty()) {
        Window* moving = pending.back();
        pending.pop_back();
        OffsetRect(&moving->windowRect, dx, dy);
        OffsetRect(&moving->clientRect, dx, dy);
        moving->updateRegion.offset(dx, dy);
        pending.insert(pending.end(), moving->children.begin(), moving->children.end());
    }
    if (newParent != &manager.rootLocked()) window->owner = nullptr;
    return previous;
}

// GetWindow: GW_CHILD is the topmost child; GW_HWNDNEXT goes down the z-order.
extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWnd);
    if (!window) return nullptr;
    const auto& siblings = window->parent->children;
    auto position = std::find(siblings.begin(), siblings.end(), window);
    switch (uCmd) {
    case GW_CHILD:
        return window->children.empty() ? nullptr : window->children.front()->handle;
    case GW_HWNDFIRST:
        return siblings.front()->handle;
    case GW_HWNDLAST:
        return siblings.back()->handle;
    case GW_HWNDNEXT:
        return position + 1 == siblings.end() ? nullptr : (*(position + 1))->handle;
    case GW_HWNDPREV:
        return position == siblings.begin() ? nullptr : (*(position - 1))->handle;
    case GW_OWNER:
        return window->owner ? window->owner->handle : nullptr;
    default:
        manager.setErrorLocked(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

// IsChild: whether hWnd lies anywhere below hWndParent (children, not owned windows).
extern "C" BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* parent = manager.findLocked(hWndParent);
    Window* window = manager.findLocked(hWnd);
    return parent && window && manager.isDescendantLocked(*parent, *window) ? TRUE : FALSE;
}

// IsWindowVisible: 0 when the window or any of its parents is hidden.
extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(hWnd);
    return window && manager.isVisibleLocked(*window) ? TRUE : FALSE;
}

// FindWindowW: top-level windows only, topmost first; a NULL class or title matches any. Sends no messages.
extern "C" HWND WINAPI FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    manager.removeWindowsOfEndedThreadsLocked();
    for (Window* window : manager.rootLocked().children) {
        if (lpClassName) {
            bool classMatches = ce::isAtomArgument(lpClassName)
                                    ? window->windowClass->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(lpClassName))
                                    : ce::sameClassName(window->windowClass->name, lpClassName);
            if (!classMatches) continue;
        }
        if (lpWindowName && window->text != lpWindowName) continue;
        return window->handle;
    }
    return nullptr;
}

// GetDesktopWindow: the shell's desktop; NULL until a shell has set one.
extern "C" HWND WINAPI GetDesktopWindow() { return WindowManager::current().desktopWindow(); }

// GetDlgItem: the child with that control id (GWL_ID).
extern "C" HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* dialog = manager.requireLocked(hDlg);
    if (!dialog) return nullptr;
    for (Window* child : dialog->children)
        if (static_cast<int>(child->id) == nIDDlgItem) return child->handle;
    return nullptr;
}

// GetDlgCtrlID: the control id of a child window; 0 for a top-level one.
extern "C" int WINAPI GetDlgCtrlID(HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(hWnd);
    if (!window || manager.isTopLevelLocked(*window)) return 0;
    return static_cast<int>(window->id);
}
