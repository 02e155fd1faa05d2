// The shell's desktop window and the window listing for the emulator.
#include "window/window_manager.h"

namespace ce {

void WindowManager::setDesktopWindow(HWND handle) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    Window* window = findLocked(handle);
    if (!window || !isTopLevelLocked(*window)) return;
    desktop_ = handle;
    placeInZOrderLocked(*window, HWND_BOTTOM);
}

HWND WindowManager::desktopWindow() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return desktop_;
}

std::vector<WindowInfo> WindowManager::snapshot() {
    std::lock_guard<std::mutex> lock(device_.mutex());
    removeWindowsOfEndedThreadsLocked();
    std::vector<WindowInfo> lines;
    struct Pending {
        const Window* window;
        int depth;
    };
    std::vector<Pending> pending;
    for (auto child = root_.children.rbegin(); child != root_.children.rend(); ++child) pending.push_back({*child, 0});
    while (!pending.empty()) {
        Pending next = pending.back();
        pending.pop_back();
        const Window& window = *next.window;
        lines.push_back(WindowInfo{window.handle, window.windowClass->name, window.text, window.windowRect,
                                   (window.style & WS_VISIBLE) != 0, (window.style & WS_DISABLED) == 0, next.depth,
                                   window.handle == desktop_});
        for (auto child = window.children.rbegin(); child != window.children.rend(); ++child)
            pending.push_back({*child, next.depth + 1});
    }
    return lines;
}

}  // namespace ce
