#include "shell_thread.h"

#include "window/window_manager.h"

namespace ce::shell {

namespace {

void runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // A WM_QUIT posted with PostThreadMessage ends the loop whatever GetMessage said.
        if (message.message == WM_QUIT) break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

ShellThread::ShellThread(Device& device, std::u16string imagePath, std::function<void()> createWindows,
                         std::function<void()> destroyWindows)
    : device_(device), windows_(device.get<WindowManager>()), progress_(std::make_shared<Progress>()) {
    auto progress = progress_;
    auto announce = [&device, progress] {
        if (progress->waiter) device.wakeLocked(*progress->waiter);
    };
    auto body = [&device, progress, announce, createWindows = std::move(createWindows),
                 destroyWindows = std::move(destroyWindows)]() -> DWORD {
        createWindows();
        {
            std::lock_guard<std::mutex> lock(device.mutex());
            progress->windowsReady = true;
            announce();
        }
        runMessageLoop();
        destroyWindows();
        return 0;
    };
    // Also runs when the device aborts the thread, so no waiter is left hanging.
    auto onExit = [progress, announce](EmulatedThread&) {
        progress->windowsReady = true;
        progress->ended = true;
        announce();
    };

    std::unique_lock<std::mutex> lock(device.mutex());
    EmulatedProcess& process = device.createProcessLocked(std::move(imagePath));
    threadId_ = device.startThreadLocked(process, std::move(body), std::move(onExit)).id();
    waitLocked(lock, [progress] { return progress->windowsReady; }, "shell boot");
}

ShellThread::~ShellThread() {
    // Once the device has shut down, every thread has ended and been joined.
    if (progress_->ended) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    std::unique_lock<std::mutex> lock(device_.mutex());
    auto progress = progress_;
    try {
        waitLocked(lock, [progress] { return progress->ended.load(); }, "shell shutdown");
    } catch (const ThreadAbort&) {
        // The device is shutting down and ends the shell's thread itself.
    }
}

// Handles messages other threads send to the waiting thread's windows
// meanwhile: the shell activates its desktop while booting and another
// window while ending, and those sends must not wait for the waiter.
void ShellThread::waitLocked(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done,
                             const char* reason) {
    EmulatedThread& self = device_.currentThreadLocked();
    ThreadQueue& queue = windows_.queueOfLocked(self);
    progress_->waiter = &self;
    for (;;) {
        windows_.handleIncomingSendsLocked(lock, queue);
        if (done()) break;
        if (!device_.block(lock, false, INFINITE, [&] { return done() || !queue.incomingSends.empty(); }, reason))
            break;  // the device is shutting down under this thread
    }
    progress_->waiter = nullptr;
}

}  // namespace ce::shell
