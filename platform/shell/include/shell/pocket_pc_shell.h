#pragma once

#include "device/device.h"

#include <windows.h>

#include <memory>

namespace ce::shell {

class ShellThread;

// A Pocket PC shell (240 x 320 class devices): the taskbar across the top,
// the screen-wide input-panel button at the bottom right, and the Today
// screen behind every window, which GetDesktopWindow returns. Runs on its
// own emulated thread; destroying it ends that thread and its windows.
class PocketPcShell {
public:
    // Starts the shell's thread and returns once its windows exist.
    static std::unique_ptr<PocketPcShell> boot(Device& device);
    ~PocketPcShell();

    HWND taskbar() const { return taskbar_; }
    HWND desktop() const { return desktop_; }
    HWND inputPanelButton() const { return inputPanelButton_; }

private:
    PocketPcShell();
    void createWindows();
    void destroyWindows();

    // Written by the shell's thread before boot returns, read-only afterwards.
    HWND taskbar_ = nullptr;
    HWND desktop_ = nullptr;
    HWND inputPanelButton_ = nullptr;
    std::unique_ptr<ShellThread> thread_;
};

}  // namespace ce::shell
