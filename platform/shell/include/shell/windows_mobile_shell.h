#pragma once

#include "device/device.h"

#include <windows.h>

#include <memory>

namespace ce::shell {

class ShellThread;

struct BootOptions {
    // Leaves "SYSTEM/ShellInit" unsignalled until signalReady().
    bool holdReadyEvent = false;
};

// A Windows Mobile shell: the taskbar across the top; the desktop window
// (what GetDesktopWindow returns) over the work area between the taskbar
// and the menu bar; the desktop's menu bar at the bottom with the
// input-panel button as its child, found by SHFindMenuBar(desktop); inside
// the desktop a container whose first child is the strip pane, followed by
// the content pane; and the named manual-reset event "SYSTEM/ShellInit",
// set once the shell has booted. Runs on its own emulated thread.
class WindowsMobileShell {
public:
    static constexpr const WCHAR* kReadyEventName = u"SYSTEM/ShellInit";

    // Starts the shell's thread and returns once its windows exist.
    static std::unique_ptr<WindowsMobileShell> boot(Device& device, BootOptions options = {});
    ~WindowsMobileShell();

    // Sets the ready event (for a shell booted with holdReadyEvent).
    void signalReady();

    HWND taskbar() const { return taskbar_; }
    HWND desktop() const { return desktop_; }
    HWND menuBar() const { return menuBar_; }
    HWND inputPanelButton() const { return inputPanelButton_; }
    HWND container() const { return container_; }
    HWND contentPane() const { return contentPane_; }
    HWND stripPane() const { return stripPane_; }

private:
    explicit WindowsMobileShell(BootOptions options);
    void createWindows();
    void destroyWindows();

    BootOptions options_;
    // Written by the shell's thread before boot returns, read-only afterwards.
    HWND taskbar_ = nullptr;
    HWND desktop_ = nullptr;
    HWND menuBar_ = nullptr;
    HWND inputPanelButton_ = nullptr;
    HWND container_ = nullptr;
    HWND contentPane_ = nullptr;
    HWND stripPane_ = nullptr;
    HANDLE readyEvent_ = nullptr;
    std::unique_ptr<ShellThread> thread_;
};

}  // namespace ce::shell
