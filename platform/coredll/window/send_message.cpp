// SendMessage as one decision: a window of the calling thread has its
// procedure called at once; a window of another thread gets the message
// queued to its thread, and the sender waits for the reply while still
// handling whatever is sent to it meanwhile, so that two threads sending
// to each other do not deadlock.
#include "window/window_manager.h"

#include <algorithm>

namespace ce {

LRESULT WindowManager::callProcedure(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!procedure) return 0;
    return procedure(handle, message, wParam, lParam);
}

LRESULT WindowManager::send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return 0;
    EmulatedThread& self = currentThreadLocked();
    if (window->thread == &self) {
        WNDPROC procedure = window->procedure;
        lock.unlock();
        return callProcedure(procedure, handle, message, wParam, lParam);
    }

    EmulatedThread* receiver = window->thread;
    ThreadQueue& receiverQueue = queueOfLocked(*receiver);
    if (receiver->finished || receiverQueue.threadEnded) return 0;
    auto record = std::make_shared<SentMessage>();
    record->window = handle;
    record->message = message;
    record->wParam = wParam;
    record->lParam = lParam;
    record->sender = &self;
    receiverQueue.incomingSends.push_back(record);
    device_.wakeLocked(*receiver);

    ThreadQueue& ownQueue = queueOfLocked(self);
    DWORD savedError = self.lastError;
    for (;;) {
        bool woken = device_.block(
            lock, false, INFINITE,
            [&] { return record->replied || !ownQueue.incomingSends.empty() || receiver->finished; },
            "SendMessage");
        if (record->replied) break;
        // Not woken: the device is shutting down under this thread.
        if (!woken || receiver->finished) {
            auto& pending = receiverQueue.incomingSends;
            pending.erase(std::remove(pending.begin(), pending.end(), record), pending.end());
            break;
        }
        handleIncomingSendsLocked(lock, ownQueue);
    }
    // Whatever ran on this thread while it waited leaves its last error alone.
    self.lastError = savedError;
    return record->replied ? record->result : 0;
}

bool WindowManager::handleIncomingSendsLocked(std::unique_lock<std::mutex>& lock, ThreadQueue& queue) {
    bool handledAny = false;
    while (!queue.incomingSends.empty()) {
        std::shared_ptr<SentMessage> record = queue.incomingSends.front();
        queue.incomingSends.pop_front();
        handledAny = true;
        LRESULT result = 0;
        if (Window* window = findLocked(record->window)) {
            WNDPROC procedure = window->procedure;
            queue.handling.push_back(record);
            lock.unlock();
            result = callProcedure(procedure, record->window, record->message, record->wParam, record->lParam);
            lock.lock();
            queue.handling.pop_back();
        }
        record->result = result;
        record->replied = true;
        device_.wakeLocked(*record->sender);
    }
    return handledAny;
}

void WindowManager::abandonSendsLocked(HWND handle) {
    Window* window = findLocked(handle);
    if (!window) return;
    auto& pending = queueOfLocked(*window->thread).incomingSends;
    for (auto entry = pending.begin(); entry != pending.end();) {
        if ((*entry)->window != handle) {
            ++entry;
            continue;
        }
        (*entry)->replied = true;
        (*entry)->result = 0;
        device_.wakeLocked(*(*entry)->sender);
        entry = pending.erase(entry);
    }
}

bool WindowManager::inSendMessage() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return !queueOfLocked(currentThreadLocked()).handling.empty();
}

}  // namespace ce
