// Activation: each thread has an active top-level window; the foreground
// window is the active window of the thread the user works with. Messages
// in the platform's order: the window comes to the top of its band, the
// window losing activation gets WM_NCACTIVATE(FALSE) and
// WM_ACTIVATE(WA_INACTIVE), then the new one gets WM_NCACTIVATE(TRUE) and
// WM_ACTIVATE(WA_ACTIVE or WA_CLICKACTIVE), whose default handling sets the
// focus. Windows of other threads get these as cross-thread sends.
#include "window/window_manager.h"

namespace ce {

void WindowManager::activate(HWND handle, WORD how) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = findLocked(handle);
    if (!window) return;
    window = &topLevelOfLocked(*window);
    handle = window->handle;
    if (window->destroying) return;
    ThreadQueue& queue = queueOfLocked(*window->thread);
    if (queue.active == handle && foreground_ == handle) return;

    if (!isAtTopOfBandLocked(*window)) {
        lock.unlock();
        setWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        lock.lock();
        window = findLocked(handle);
        if (!window) return;
    }

    HWND previousForeground = foreground_;
    HWND previousActive = queue.active;
    foreground_ = handle;
    // The thread that had the foreground loses its active window and focus.
    if (Window* other = findLocked(previousForeground); other && other->thread != window->thread) {
        ThreadQueue& otherQueue = queueOfLocked(*other->thread);
        HWND otherActive = otherQueue.active;
        HWND otherFocus = otherQueue.focus;
        otherQueue.active = nullptr;
        otherQueue.focus = nullptr;
        lock.unlock();
        if (otherActive) {
            send(otherActive, WM_NCACTIVATE, FALSE, 0);
            send(otherActive, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(handle));
        }
        if (otherFocus) send(otherFocus, WM_KILLFOCUS, 0, 0);
        lock.lock();
    }
    if (previousActive && previousActive != handle) {
        lock.unlock();
        send(previousActive, WM_NCACTIVATE, FALSE, 0);
        send(previousActive, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(handle));
        lock.lock();
    }
    window = findLocked(handle);
    if (!window) return;
    ThreadQueue& ownQueue = queueOfLocked(*window->thread);
    ownQueue.active = handle;
    HWND previous = previousActive ? previousActive : previousForeground;
    if (previous == handle) previous = nullptr;
    lock.unlock();
    send(handle, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
    send(handle, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(previous));
}

void WindowManager::activateOther(HWND leaving) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = findLocked(leaving);
    if (!window) return;
    auto candidate = [&](const Window* other) {
        return other && other != window && !other->destroying && !other->thread->finished &&
               (other->style & WS_VISIBLE) &&
               !(other->style & WS_DISABLED);
    };
    // The owner first, then the topmost window of the same thread, then any.
    Window* next = candidate(window->owner) ? window->owner : nullptr;
    for (Window* other : root_.children)
        if (!next && other->thread == window->thread && candidate(other)) next = other;
    for (Window* other : root_.children)
        if (!next && candidate(other)) next = other;
    if (next) {
        HWND nextHandle = next->handle;
        lock.unlock();
        activate(nextHandle, WA_ACTIVE);
        return;
    }
    // Nothing else to activate: the window just loses activation.
    ThreadQueue& queue = queueOfLocked(*window->thread);
    if (queue.active != leaving) return;
    queue.active = nullptr;
    if (foreground_ == leaving) foreground_ = nullptr;
    lock.unlock();
    send(leaving, WM_NCACTIVATE, FALSE, 0);
    send(leaving, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    lock.lock();
    if (Window* still = findLocked(leaving)) changeFocusLocked(lock, queueOfLocked(*still->thread), nullptr);
}

Window* WindowManager::leaveActivationAndFocusLocked(std::unique_lock<std::mutex>& lock, HWND handle,
                                                    bool focusToParent) {
    Window* window = findLocked(handle);
    if (!window) return nullptr;
    bool wasActive = queueOfLocked(*window->thread).active == handle;
    lock.unlock();
    if (wasActive) activateOther(handle);

    lock.lock();
    window = findLocked(handle);
    if (!window) return nullptr;
    ThreadQueue& queue = queueOfLocked(*window->thread);
    Window* focused = findLocked(queue.focus);
    if (focused && (focused == window || isDescendantLocked(*window, *focused))) {
        HWND parent = focusToParent && !isTopLevelLocked(*window) ? window->parent->handle : nullptr;
        changeFocusLocked(lock, queue, parent);
    }
    return findLocked(handle);
}

HWND WindowManager::setActiveWindow(HWND handle) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    ThreadQueue& queue = queueOfLocked(currentThreadLocked());
    HWND previous = queue.active;
    if (!handle) {
        lock.unlock();
        if (previous) activateOther(previous);
        return previous;
    }
    Window* window = requireLocked(handle);
    if (!window) return nullptr;
    if (window->thread != &currentThreadLocked() || (window->style & (WS_CHILD | WS_POPUP)) == WS_CHILD) return nullptr;
    lock.unlock();
    activate(handle, WA_ACTIVE);
    return previous;
}

HWND WindowManager::activeWindow() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return queueOfLocked(currentThreadLocked()).active;
}

HWND WindowManager::foregroundWindow() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return foreground_;
}

BOOL WindowManager::setForegroundWindow(HWND handle) {
    // The low bit asks for the window's owned pop-ups to come forward too.
    bool withPopups = (reinterpret_cast<ULONG_PTR>(handle) & 1) != 0;
    handle = reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(handle) & ~static_cast<ULONG_PTR>(1));
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    window = &topLevelOfLocked(*window);
    handle = window->handle;
    std::vector<HWND> popups;
    if (withPopups)
        for (Window* other : root_.children)
            if (other->owner == window) popups.push_back(other->handle);
    lock.unlock();
    setWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Owned pop-ups stay above their owner, in their present order.
    for (auto popup = popups.rbegin(); popup != popups.rend(); ++popup)
        setWindowPos(*popup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    activate(handle, WA_ACTIVE);
    return TRUE;
}

BOOL WindowManager::bringWindowToTop(HWND handle) {
    return setWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace ce
