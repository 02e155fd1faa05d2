// CreateWindowEx and DestroyWindow with their messages in the platform's
// order.
#include "window/window_manager.h"

#include "window/non_client.h"

#include <algorithm>

namespace ce {

HWND WindowManager::createWindow(CREATESTRUCTW create) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    EmulatedThread& self = currentThreadLocked();
    WindowClass* windowClass = classes_.find(create.lpszClass, create.hInstance, self.process().id());
    if (!windowClass) {
        setErrorLocked(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    DWORD style = static_cast<DWORD>(create.style);
    bool isChild = (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
    Window* parentArgument = nullptr;
    if (create.hwndParent) {
        parentArgument = requireLocked(create.hwndParent);
        if (!parentArgument) return nullptr;
    }
    if (isChild && !parentArgument) {
        setErrorLocked(ERROR_INVALID_PARAMETER);
        return nullptr;
    }

    auto record = std::make_unique<Window>();
    Window& window = *record;
    window.handle = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += 4;  // never reused, and the low bit stays free
    window.windowClass = windowClass;
    window.procedure = windowClass->info.lpfnWndProc;
    window.instance = create.hInstance;
    if (create.lpszName && !isAtomArgument(create.lpszName)) window.text = create.lpszName;
    window.style = style & ~static_cast<DWORD>(WS_VISIBLE);
    window.exStyle = create.dwExStyle;
    window.thread = &self;
    window.process = &self.process();
    window.extraBytes.assign(static_cast<size_t>(std::max(windowClass->info.cbWndExtra, 0)), 0);
    if (isChild) {
        window.parent = parentArgument;
        window.id = reinterpret_cast<LONG_PTR>(create.hMenu);
    } else {
        window.parent = &root_;
        // A pop-up created with a parent is owned by that window's top-level ancestor.
        window.owner = parentArgument ? &topLevelOfLocked(*parentArgument) : nullptr;
    }

    RECT screen = screenRectLocked();
    if (create.x == CW_USEDEFAULT) create.x = 0;
    if (create.y == CW_USEDEFAULT) create.y = 0;
    if (create.cx == CW_USEDEFAULT) create.cx = isChild ? 0 : screen.right - create.x;
    if (create.cy == CW_USEDEFAULT) create.cy = isChild ? 0 : screen.bottom - create.y;
    POINT origin = positionOriginLocked(window);
    window.windowRect = RECT{origin.x + create.x, origin.y + create.y, origin.x + create.x + std::max(create.cx, 0),
                             origin.y + create.y + std::max(create.cy, 0)};
    window.clientRect = clientAreaFor(window.style, window.windowRect);

    // New top-level windows start on top; new children at the bottom, so
    // that the first child created is the first in z-order (and tab order).
    if (isChild) window.parent->children.push_back(&window);
    else window.parent->children.insert(window.parent->children.begin(), &window);
    placeInZOrderLocked(window, isChild ? HWND_BOTTOM : HWND_TOP);
    ++windowClass->windowCount;
    HWND handle = window.handle;
    windows_.emplace(handle, std::move(record));
    lock.unlock();

    if (!send(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        lock.lock();
        if (Window* failed = findLocked(handle)) freeWindowLocked(*failed);
        setErrorLocked(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    lock.lock();
    Window* created = findLocked(handle);
    if (!created) return nullptr;
    origin = positionOriginLocked(*created);
    RECT proposed{created->windowRect.left - origin.x, created->windowRect.top - origin.y,
                  created->windowRect.right - origin.x, created->windowRect.bottom - origin.y};
    lock.unlock();
    send(handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
    lock.lock();
    created = findLocked(handle);
    if (!created) return nullptr;
    origin = positionOriginLocked(*created);
    created->clientRect = RECT{proposed.left + origin.x, proposed.top + origin.y, proposed.right + origin.x,
                               proposed.bottom + origin.y};
    lock.unlock();

    if (send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        destroyWindow(handle);
        return nullptr;
    }
    if (style & WS_VISIBLE) showWindow(handle, SW_SHOW);

    lock.lock();
    created = findLocked(handle);
    if (!created) return nullptr;
    RECT client = created->clientRect;
    origin = positionOriginLocked(*created);
    lock.unlock();
    send(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
    send(handle, WM_MOVE, 0, MAKELPARAM(client.left - origin.x, client.top - origin.y));
    return IsWindow(handle) ? handle : nullptr;
}

void WindowManager::sendDestroyMessages(HWND handle) {
    send(handle, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        Window* window = findLocked(handle);
        if (!window) return;
        for (Window* child : window->children) children.push_back(child->handle);
    }
    for (HWND child : children) sendDestroyMessages(child);
}

void WindowManager::destroyDescendantsNotify(HWND handle) {
    std::vector<HWND> children;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        Window* window = findLocked(handle);
        if (!window) return;
        for (Window* child : window->children) children.push_back(child->handle);
    }
    for (HWND child : children) destroyDescendantsNotify(child);
    send(handle, WM_NCDESTROY, 0, 0);
    std::lock_guard<std::mutex> lock(device_.mutex());
    if (Window* window = findLocked(handle)) freeWindowLocked(*window);
}

void WindowManager::freeWindowLocked(Window& window) {
    HWND handle = window.handle;
    for (Window* child : std::vector<Window*>(window.children)) freeWindowLocked(*child);
    abandonSendsLocked(handle);
    auto& siblings = window.parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
    for (Window* other : root_.children)
        if (other->owner == &window) other->owner = nullptr;
    // Posted messages for the window go with it.
    auto& posted = queueOfLocked(*window.thread).posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [&](const QueuedMessage& entry) { return entry.message.hwnd == handle; }),
                 posted.end());
    ThreadQueue& queue = queueOfLocked(*window.thread);
    if (queue.active == handle) queue.active = nullptr;
    if (queue.focus == handle) queue.focus = nullptr;
    if (foreground_ == handle) foreground_ = nullptr;
    if (capture_ == handle) capture_ = nullptr;
    if (desktop_ == handle) desktop_ = nullptr;
    if (penTarget_ == handle) penTarget_ = nullptr;
    if (captionPressWindow_ == handle) captionPressWindow_ = nullptr;
    --window.windowClass->windowCount;
    windows_.erase(handle);
}

BOOL WindowManager::destroyWindow(HWND handle) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    if (window->thread != &currentThreadLocked()) {
        setErrorLocked(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (window->destroying) return TRUE;
    window->destroying = true;
    bool isChild = (window->style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
    bool visible = (window->style & WS_VISIBLE) != 0;
    lock.unlock();

    if (visible) {
        // Only child windows get WM_SHOWWINDOW on the way out.
        if (isChild) showWindow(handle, SW_HIDE);
        else setWindowPos(handle, nullptr, 0, 0, 0, 0,
                          SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }

    // Owned pop-ups go first; those of other threads just lose their owner.
    std::vector<HWND> owned;
    lock.lock();
    window = findLocked(handle);
    if (!window) return TRUE;
    for (Window* other : root_.children) {
        if (other->owner != window) continue;
        if (other->thread == window->thread) owned.push_back(other->handle);
        else other->owner = nullptr;
    }
    lock.unlock();
    for (HWND popup : owned) destroyWindow(popup);

    lock.lock();
    window = leaveActivationAndFocusLocked(lock, handle, false);
    if (!window) return TRUE;
    Window* captured = findLocked(capture_);
    if (captured && (captured == window || isDescendantLocked(*window, *captured))) {
        HWND capturedHandle = capture_;
        capture_ = nullptr;
        lock.unlock();
        send(capturedHandle, WM_CAPTURECHANGED, 0, 0);
    } else {
        lock.unlock();
    }

    sendDestroyMessages(handle);
    destroyDescendantsNotify(handle);
    return TRUE;
}

}  // namespace ce
