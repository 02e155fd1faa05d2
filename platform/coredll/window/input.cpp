// Pen input. The host side (emulator, tests) reports the pen in screen
// pixels; the window under the pen (or the capture, or the window that got
// the pen-down) is found at once, and the raw event is queued to that
// window's thread. The thread hit-tests it and activates on click when it
// retrieves it, as hardware input is handled on the platform.
#include "window/window_manager.h"

namespace ce {

namespace {

bool contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

Window* WindowManager::windowAtLocked(POINT screen) const {
    const Window* parent = &root_;
    Window* found = nullptr;
    for (;;) {
        Window* next = nullptr;
        for (Window* child : parent->children) {
            if ((child->style & WS_VISIBLE) && contains(child->windowRect, screen)) {
                next = child;
                break;
            }
        }
        // Children only take the pen inside their parent's client area.
        if (!next || (found && !contains(found->clientRect, screen))) return found;
        found = next;
        parent = next;
    }
}

void WindowManager::penDown(POINT screen) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    removeWindowsOfEndedThreadsLocked();
    penPosition_ = screen;
    penIsDown_ = true;
    captionPressWindow_ = nullptr;
    Window* target = findLocked(capture_);
    if (!target) target = windowAtLocked(screen);
    // Input to a disabled window (or one inside a disabled one) goes nowhere.
    if (!target || !acceptsInputLocked(*target)) {
        penTarget_ = nullptr;
        return;
    }
    penTarget_ = target->handle;
    QueuedMessage entry{MSG{target->handle, WM_LBUTTONDOWN, MK_LBUTTON, 0, static_cast<DWORD>(device_.nowLocked()),
                            screen},
                        true};
    queueOfLocked(*target->thread).posted.push_back(entry);
    device_.wakeLocked(*target->thread);
}

void WindowManager::penMove(POINT screen) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    penPosition_ = screen;
    if (!penIsDown_) return;  // a touch screen reports no movement without contact
    Window* target = findLocked(capture_);
    if (!target) target = findLocked(penTarget_);
    if (!target) return;
    QueuedMessage entry{MSG{target->handle, WM_MOUSEMOVE, MK_LBUTTON, 0, static_cast<DWORD>(device_.nowLocked()),
                            screen},
                        true};
    queueOfLocked(*target->thread).posted.push_back(entry);
    device_.wakeLocked(*target->thread);
}

void WindowManager::penUp(POINT screen) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    penPosition_ = screen;
    if (!penIsDown_) return;
    penIsDown_ = false;
    Window* target = findLocked(capture_);
    if (!target) target = findLocked(penTarget_);
    penTarget_ = nullptr;
    if (!target) return;
    QueuedMessage entry{MSG{target->handle, WM_LBUTTONUP, 0, 0, static_cast<DWORD>(device_.nowLocked()), screen},
                        true};
    queueOfLocked(*target->thread).posted.push_back(entry);
    device_.wakeLocked(*target->thread);
}

std::optional<MSG> WindowManager::cookPenLocked(std::unique_lock<std::mutex>& lock, const MSG& raw) {
    Window* window = findLocked(raw.hwnd);
    if (!window) return std::nullopt;
    HWND handle = window->handle;
    bool captured = capture_ == handle;
    MSG cooked = raw;
    auto toClient = [&](Window& target) {
        cooked.lParam = MAKELPARAM(raw.pt.x - target.clientRect.left, raw.pt.y - target.clientRect.top);
    };

    if (raw.message == WM_LBUTTONDOWN && !captured) {
        lock.unlock();
        LRESULT hit = send(handle, WM_NCHITTEST, 0, MAKELPARAM(raw.pt.x, raw.pt.y));
        lock.lock();
        window = findLocked(handle);
        if (!window) return std::nullopt;
        HWND topLevel = topLevelOfLocked(*window).handle;
        if (topLevel != foreground_) {
            lock.unlock();
            LRESULT answer = send(handle, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topLevel),
                                  MAKELPARAM(hit, WM_LBUTTONDOWN));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) activate(topLevel, WA_CLICKACTIVE);
            lock.lock();
            if (answer == MA_ACTIVATEANDEAT || answer == 4 /* MA_NOACTIVATEANDEAT */) return std::nullopt;
            window = findLocked(handle);
            if (!window) return std::nullopt;
        }
        if (hit != HTCLIENT) {
            // A press on the caption is no client click; the OK button acts on release.
            captionPressWindow_ = handle;
            captionPressOnOk_ = hit == HTOKBUTTON;
            return std::nullopt;
        }
        captionPressWindow_ = nullptr;
        toClient(*window);
        return cooked;
    }

    if (captionPressWindow_ == handle && !captured) {
        if (raw.message != WM_LBUTTONUP) return std::nullopt;
        captionPressWindow_ = nullptr;
        if (!captionPressOnOk_) return std::nullopt;
        lock.unlock();
        LRESULT hit = send(handle, WM_NCHITTEST, 0, MAKELPARAM(raw.pt.x, raw.pt.y));
        if (hit == HTOKBUTTON) post(handle, WM_COMMAND, IDOK, 0);
        lock.lock();
        return std::nullopt;
    }
    toClient(*window);
    return cooked;
}

}  // namespace ce
