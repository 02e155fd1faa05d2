// Posting and retrieving messages. Retrieval follows the platform's order:
// messages sent by other threads are handled first, then posted messages
// (pen input among them, in arrival order), then WM_QUIT once nothing is
// posted any more, then WM_PAINT for a window with an update region.
#include "window/window_manager.h"

namespace ce {

namespace {

bool inRange(UINT message, UINT first, UINT last) {
    if (first == 0 && last == 0) return true;
    return message >= first && message <= last;
}

const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

}  // namespace

bool WindowManager::matchesFilterLocked(const MSG& message, HWND filter, UINT first, UINT last) const {
    if (!inRange(message.message, first, last)) return false;
    if (!filter) return true;
    if (filter == kThreadMessagesOnly) return message.hwnd == nullptr;
    if (message.hwnd == filter) return true;
    const Window* parent = findLocked(filter);
    const Window* window = findLocked(message.hwnd);
    return parent && window && isDescendantLocked(*parent, *window);
}

bool WindowManager::hasMessageForLocked(ThreadQueue& queue, const EmulatedThread& thread, HWND filter, UINT first,
                                        UINT last) const {
    if (!queue.incomingSends.empty()) return true;
    for (const auto& entry : queue.posted)
        if (matchesFilterLocked(entry.message, filter, first, last)) return true;
    if (queue.quitPending && (!filter || filter == kThreadMessagesOnly) && inRange(WM_QUIT, first, last)) return true;
    return inRange(WM_PAINT, first, last) && windowNeedingPaintLocked(thread, filter);
}

BOOL WindowManager::post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    EmulatedThread* receiver = &currentThreadLocked();
    if (handle) {
        Window* window = requireLocked(handle);
        if (!window) return FALSE;
        receiver = window->thread;
    }
    if (receiver->finished) return FALSE;
    QueuedMessage entry;
    entry.message = MSG{handle, message, wParam, lParam, static_cast<DWORD>(device_.nowLocked()), penPosition_};
    queueOfLocked(*receiver).posted.push_back(entry);
    device_.wakeLocked(*receiver);
    return TRUE;
}

BOOL WindowManager::postToThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    EmulatedThread* receiver = device_.findThreadLocked(threadId);
    if (!receiver || receiver->finished) {
        setErrorLocked(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    QueuedMessage entry;
    entry.message = MSG{nullptr, message, wParam, lParam, static_cast<DWORD>(device_.nowLocked()), penPosition_};
    queueOfLocked(*receiver).posted.push_back(entry);
    device_.wakeLocked(*receiver);
    return TRUE;
}

void WindowManager::postQuit(int exitCode) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    ThreadQueue& queue = queueOfLocked(currentThreadLocked());
    queue.quitPending = true;
    queue.quitCode = exitCode;
}

int WindowManager::retrieve(MSG* out, HWND filter, UINT first, UINT last, UINT removeFlags, bool wait) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    if (filter && filter != kThreadMessagesOnly && !requireLocked(filter)) return -1;
    EmulatedThread& self = currentThreadLocked();
    ThreadQueue& queue = queueOfLocked(self);
    bool remove = (removeFlags & PM_REMOVE) != 0;
    for (;;) {
        handleIncomingSendsLocked(lock, queue);

        bool restart = false;
        for (auto entry = queue.posted.begin(); entry != queue.posted.end(); ++entry) {
            if (!matchesFilterLocked(entry->message, filter, first, last)) continue;
            if (entry->rawPen) {
                // Hit testing and click activation run now, on this thread.
                MSG raw = entry->message;
                queue.posted.erase(entry);
                if (std::optional<MSG> cooked = cookPenLocked(lock, raw)) queue.posted.push_front({*cooked, false});
                restart = true;
                break;
            }
            *out = entry->message;
            if (remove) queue.posted.erase(entry);
            queue.messageTime = out->time;
            queue.messagePosition = out->pt;
            // A WM_QUIT posted to the thread ends GetMessage's loop like PostQuitMessage's.
            return wait && out->message == WM_QUIT ? 0 : 1;
        }
        if (restart) continue;

        if (queue.quitPending && (!filter || filter == kThreadMessagesOnly) && inRange(WM_QUIT, first, last)) {
            *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0,
                       static_cast<DWORD>(device_.nowLocked()), penPosition_};
            if (remove) queue.quitPending = false;
            return wait ? 0 : 1;
        }
        if (inRange(WM_PAINT, first, last)) {
            if (Window* window = windowNeedingPaintLocked(self, filter)) {
                *out = MSG{window->handle, WM_PAINT, 0, 0, static_cast<DWORD>(device_.nowLocked()), penPosition_};
                return 1;
            }
        }
        if (!wait) return -1;
        if (!device_.block(lock, true, INFINITE,
                           [&] { return hasMessageForLocked(queue, self, filter, first, last); }, "GetMessage")) {
            // The device is shutting down under this thread: end its message loop.
            *out = MSG{nullptr, WM_QUIT, 0, 0, static_cast<DWORD>(device_.nowLocked()), penPosition_};
            return 0;
        }
    }
}

BOOL WindowManager::waitMessage() {
    std::unique_lock<std::mutex> lock(device_.mutex());
    EmulatedThread& self = currentThreadLocked();
    ThreadQueue& queue = queueOfLocked(self);
    for (;;) {
        if (handleIncomingSendsLocked(lock, queue)) return TRUE;
        if (hasMessageForLocked(queue, self, nullptr, 0, 0)) return TRUE;
        if (!device_.block(lock, true, INFINITE, [&] { return hasMessageForLocked(queue, self, nullptr, 0, 0); },
                           "WaitMessage"))
            return FALSE;
    }
}

LRESULT WindowManager::dispatch(const MSG* message) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    if (!message || !message->hwnd) return 0;
    Window* window = requireLocked(message->hwnd);
    if (!window) return 0;
    if (window->thread != &currentThreadLocked()) {
        setErrorLocked(ERROR_ACCESS_DENIED);
        return 0;
    }
    WNDPROC procedure = window->procedure;
    lock.unlock();
    return callProcedure(procedure, message->hwnd, message->message, message->wParam, message->lParam);
}

DWORD WindowManager::messageTime() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return queueOfLocked(currentThreadLocked()).messageTime;
}

POINT WindowManager::messagePosition() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return queueOfLocked(currentThreadLocked()).messagePosition;
}

}  // namespace ce
