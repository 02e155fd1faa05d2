#pragma once

#include "device/device.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace ce {
class WindowManager;
}

namespace ce::shell {

// Runs a shell on an emulated thread of a process of its own: the thread
// creates the shell's windows, then runs a message loop until WM_QUIT.
// The constructor returns once the windows exist; the destructor ends the
// loop, lets the thread destroy its windows and waits for it to end. Both
// waits handle messages sent to the waiting thread's own windows.
class ShellThread {
public:
    // createWindows and destroyWindows run on the shell's thread.
    ShellThread(Device& device, std::u16string imagePath, std::function<void()> createWindows,
                std::function<void()> destroyWindows);
    ~ShellThread();
    ShellThread(const ShellThread&) = delete;
    ShellThread& operator=(const ShellThread&) = delete;

    DWORD threadId() const { return threadId_; }

private:
    // Shared with the thread, which may outlive the waiting side's frame.
    struct Progress {
        bool windowsReady = false;
        std::atomic<bool> ended{false};
        EmulatedThread* waiter = nullptr;
    };

    void waitLocked(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done, const char* reason);

    Device& device_;
    WindowManager& windows_;
    std::shared_ptr<Progress> progress_;
    DWORD threadId_ = 0;
};

}  // namespace ce::shell
