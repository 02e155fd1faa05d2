// Keyboard focus (per thread), enabling and the pen capture.
#include "window/window_manager.h"

namespace ce {

HWND WindowManager::changeFocusLocked(std::unique_lock<std::mutex>& lock, ThreadQueue& queue, HWND newFocus) {
    HWND previous = queue.focus;
    if (previous == newFocus) return previous;
    queue.focus = newFocus;
    lock.unlock();
    if (previous) send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(newFocus), 0);
    if (newFocus) send(newFocus, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    lock.lock();
    return previous;
}

HWND WindowManager::setFocus(HWND handle) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    EmulatedThread& self = currentThreadLocked();
    ThreadQueue& queue = queueOfLocked(self);
    if (!handle) return changeFocusLocked(lock, queue, nullptr);
    Window* window = requireLocked(handle);
    if (!window || window->thread != &self || !acceptsInputLocked(*window)) return nullptr;
    // Focusing a window of an inactive top-level window activates that first.
    HWND topLevel = topLevelOfLocked(*window).handle;
    if (queue.active != topLevel) {
        lock.unlock();
        activate(topLevel, WA_ACTIVE);
        lock.lock();
        if (!findLocked(handle)) return nullptr;
    }
    HWND previous = queue.focus;
    changeFocusLocked(lock, queue, handle);
    return previous;
}

HWND WindowManager::focus() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return queueOfLocked(currentThreadLocked()).focus;
}

BOOL WindowManager::enableWindow(HWND handle, BOOL enable) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
        lock.unlock();
        if (wasDisabled) send(handle, WM_ENABLE, TRUE, 0);
        return wasDisabled ? TRUE : FALSE;
    }
    if (wasDisabled) return TRUE;
    window->style |= WS_DISABLED;
    // A disabled window cannot keep the focus or the pen.
    ThreadQueue& queue = queueOfLocked(*window->thread);
    Window* focused = findLocked(queue.focus);
    if (focused && (focused == window || isDescendantLocked(*window, *focused)))
        changeFocusLocked(lock, queue, nullptr);
    Window* captured = findLocked(capture_);
    window = findLocked(handle);
    if (captured && window && (captured == window || isDescendantLocked(*window, *captured))) {
        HWND capturedHandle = captured->handle;
        capture_ = nullptr;
        lock.unlock();
        send(capturedHandle, WM_CAPTURECHANGED, 0, 0);
    } else {
        lock.unlock();
    }
    send(handle, WM_ENABLE, FALSE, 0);
    return FALSE;
}

HWND WindowManager::setCapture(HWND handle) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return nullptr;
    HWND previous = capture_;
    capture_ = handle;
    lock.unlock();
    if (previous && previous != handle) send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    return previous;
}

BOOL WindowManager::releaseCapture() {
    std::unique_lock<std::mutex> lock(device_.mutex());
    HWND previous = capture_;
    capture_ = nullptr;
    lock.unlock();
    if (previous) send(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WindowManager::capture() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = findLocked(capture_);
    return window && window->thread == &currentThreadLocked() ? capture_ : nullptr;
}

}  // namespace ce
