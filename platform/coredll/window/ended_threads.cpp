// Windows whose thread has ended. The platform destroys a thread's windows
// when the thread ends, without sending them anything; the device tells no
// subsystem when a thread ends, so the manager does this the next time it
// looks at the whole tree.
#include "window/window_manager.h"

namespace ce {

void WindowManager::removeWindowsOfEndedThreadsLocked() {
    std::vector<HWND> ended;
    for (const auto& [handle, window] : windows_)
        if (window->thread->finished && (isTopLevelLocked(*window) || !window->parent->thread->finished))
            ended.push_back(handle);
    if (ended.empty()) return;
    auto before = visibleAreasLocked();
    for (HWND handle : ended) {
        Window* window = findLocked(handle);
        if (!window) continue;
        ThreadQueue& queue = queueOfLocked(*window->thread);
        queue.threadEnded = true;
        // Nobody will answer what was sent to the thread: the senders get 0.
        for (auto& pending : queue.incomingSends) {
            pending->replied = true;
            device_.wakeLocked(*pending->sender);
        }
        queue.incomingSends.clear();
        freeWindowLocked(*window);
    }
    exposeLocked(before);
}

}  // namespace ce
