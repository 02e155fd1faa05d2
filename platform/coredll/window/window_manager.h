#pragma once

#include "device/device.h"
#include "window/message_queue.h"
#include "geometry/region.h"
#include "window/window.h"
#include "window/window_class.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ce {

// One line of the window listing (WindowManager::snapshot).
struct WindowInfo {
    HWND window = nullptr;
    std::u16string className;
    std::u16string text;
    RECT rect{};           // window rectangle, screen coordinates
    bool visible = false;  // the window's own WS_VISIBLE
    bool enabled = false;
    int depth = 0;         // 0 for top-level windows
    bool isDesktop = false;
};

// The window manager of the emulated device: the only owner of window state.
// It holds the window tree (z-order is the order of each parent's child
// list, topmost first), the classes, focus, activation, foreground and
// capture, and routes messages and pen input. Every method without the
// Locked suffix takes the device lock itself and releases it before calling
// any window procedure; *Locked methods expect the lock to be held.
class WindowManager : public DeviceComponent {
public:
    explicit WindowManager(Device& device);
    ~WindowManager() override;

    // The window manager of Device::current().
    static WindowManager& current();
    Device& device() { return device_; }

    // ----- lookup (window_manager.cpp) -----
    Window* findLocked(HWND handle) const;
    // Like findLocked, but sets ERROR_INVALID_WINDOW_HANDLE for a null or stale handle.
    Window* requireLocked(HWND handle);
    void setErrorLocked(DWORD error);
    EmulatedThread& currentThreadLocked() { return device_.currentThreadLocked(); }
    ThreadQueue& queueOfLocked(EmulatedThread& thread) { return thread.extension<ThreadQueue>(); }
    bool isTopLevelLocked(const Window& window) const { return window.parent == &root_; }
    Window& topLevelOfLocked(Window& window);
    // Own WS_VISIBLE and every ancestor's.
    bool isVisibleLocked(const Window& window) const;
    // Neither the window nor an ancestor is disabled.
    bool acceptsInputLocked(const Window& window) const;
    bool isDescendantLocked(const Window& ancestor, const Window& window) const;
    RECT screenRectLocked() const;
    // Screen position of the origin of the coordinates a window's position is
    // given in: its parent's client area, or the screen for top-level windows.
    POINT positionOriginLocked(const Window& window) const;
    std::vector<Window*> windowsOfThreadLocked(const EmulatedThread& thread) const;
    Window& rootLocked() { return root_; }

    // ----- classes (class_api.cpp) -----
    ClassTable& classesLocked() { return classes_; }

    // ----- creation and destruction (window_lifecycle.cpp) -----
    HWND createWindow(CREATESTRUCTW create);
    BOOL destroyWindow(HWND handle);

    // ----- messages (send_message.cpp, message_retrieval.cpp) -----
    LRESULT send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT callProcedure(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL postToThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
    void postQuit(int exitCode);
    // 1: a message; 0: WM_QUIT (GetMessage only); -1: nothing (PeekMessage) or a bad filter.
    int retrieve(MSG* message, HWND filter, UINT first, UINT last, UINT removeFlags, bool wait);
    BOOL waitMessage();
    LRESULT dispatch(const MSG* message);
    bool inSendMessage();
    DWORD messageTime();
    POINT messagePosition();

    // ----- position, size, visibility, z-order (window_position.cpp, show_window.cpp) -----
    BOOL setWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL showWindow(HWND handle, int command);
    bool isAtTopOfBandLocked(const Window& window) const;

    // ----- activation, focus, capture, enabling (activation.cpp, focus.cpp) -----
    // Makes the top-level window active in its thread and the foreground window.
    void activate(HWND handle, WORD how);
    // Activates another window when handle stops being active (hidden, destroyed).
    void activateOther(HWND leaving);
    // A window leaves the screen (hidden or destroyed): another window is
    // activated if it was the active one, and a focus on it or inside it moves
    // to its parent (a child, when focusToParent) or to no window. Lock held on
    // entry and on return; the window afterwards, or null if it went away.
    Window* leaveActivationAndFocusLocked(std::unique_lock<std::mutex>& lock, HWND handle, bool focusToParent);
    HWND setActiveWindow(HWND handle);
    HWND activeWindow();
    HWND foregroundWindow();
    BOOL setForegroundWindow(HWND handle);
    BOOL bringWindowToTop(HWND handle);
    HWND setFocus(HWND handle);
    HWND focus();
    // Moves the focus of queue's thread to newFocus (may be null), sending
    // WM_KILLFOCUS and WM_SETFOCUS. Lock held on entry and on return.
    HWND changeFocusLocked(std::unique_lock<std::mutex>& lock, ThreadQueue& queue, HWND newFocus);
    BOOL enableWindow(HWND handle, BOOL enable);
    HWND setCapture(HWND handle);
    BOOL releaseCapture();
    HWND capture();

    // ----- painting (painting.cpp, visible_region.cpp) -----
    // Adds area (screen coordinates, cut to the window) to the update region.
    void invalidateLocked(Window& window, const Region& area, bool erase);
    BOOL invalidateRect(HWND handle, const RECT* clientRect, BOOL erase);
    BOOL validateRect(HWND handle, const RECT* clientRect);
    BOOL getUpdateRect(HWND handle, RECT* clientRect, BOOL erase);
    BOOL updateWindow(HWND handle);
    HDC beginPaint(HWND handle, PAINTSTRUCT* paint);
    BOOL endPaint(HWND handle, const PAINTSTRUCT* paint);
    HDC getDC(HWND handle, bool wholeWindow);
    int releaseDC(HWND handle, HDC dc);
    // What of the window shows on the screen: its window (or client)
    // rectangle cut to its ancestors' client areas and the screen, less the
    // windows above it and its own children.
    Region visibleRegionLocked(const Window& window, bool clientOnly) const;
    // The visible area of every shown window, to find what a change uncovers.
    struct VisibleArea {
        RECT windowRect;
        Region region;
    };
    std::unordered_map<HWND, VisibleArea> visibleAreasLocked() const;
    // Invalidates what became visible since before: all of a window that
    // moved or changed size, the newly uncovered part of the others.
    void exposeLocked(const std::unordered_map<HWND, VisibleArea>& before);
    Window* windowNeedingPaintLocked(const EmulatedThread& thread, HWND filter) const;

    // ----- pen input (input.cpp) -----
    void penDown(POINT screen);
    void penMove(POINT screen);
    void penUp(POINT screen);
    // Turns a raw pen event into the message the thread receives (hit test,
    // click activation); nullopt when it is swallowed. Called on the
    // receiving thread; lock held on entry and on return.
    std::optional<MSG> cookPenLocked(std::unique_lock<std::mutex>& lock, const MSG& raw);
    Window* windowAtLocked(POINT screen) const;

    // ----- the shell's desktop and the listing (desktop.cpp) -----
    void setDesktopWindow(HWND handle);
    HWND desktopWindow();
    std::vector<WindowInfo> snapshot();

    // ----- window data (window_data.cpp) -----
    LONG_PTR getWindowLong(HWND handle, int index);
    LONG_PTR setWindowLong(HWND handle, int index, LONG_PTR value);

    // ----- windows of ended threads (ended_threads.cpp) -----
    // Frees, silently, the windows of threads that have ended.
    void removeWindowsOfEndedThreadsLocked();

    // ----- sent-message plumbing (send_message.cpp) -----
    // Handles every send waiting for queue's thread. Lock held on entry and return.
    bool handleIncomingSendsLocked(std::unique_lock<std::mutex>& lock, ThreadQueue& queue);
    // Answers 0 to every send still waiting for handle (it is being destroyed).
    void abandonSendsLocked(HWND handle);

private:

    void placeInZOrderLocked(Window& window, HWND insertAfter);
    std::vector<Window*> zOrderAfterLocked(const Window& window, HWND insertAfter, bool* topmost) const;
    void moveWindowLocked(Window& window, const RECT& windowRect, const RECT& clientRect);
    void freeWindowLocked(Window& window);
    void destroyDescendantsNotify(HWND handle);
    void sendDestroyMessages(HWND handle);
    bool hasMessageForLocked(ThreadQueue& queue, const EmulatedThread& thread, HWND filter, UINT first,
                             UINT last) const;
    bool matchesFilterLocked(const MSG& message, HWND filter, UINT first, UINT last) const;

    Device& device_;
    Window root_;  // parent of the top-level windows; has no handle
    std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
    ULONG_PTR nextHandle_ = 0x10000;
    ClassTable classes_;

    HWND foreground_ = nullptr;
    HWND capture_ = nullptr;
    HWND desktop_ = nullptr;

    // Pen state: where the pen went down and what the down turned into.
    bool penIsDown_ = false;
    HWND penTarget_ = nullptr;
    POINT penPosition_{};
    HWND captionPressWindow_ = nullptr;  // a down on a caption, not a client down
    bool captionPressOnOk_ = false;
};

}  // namespace ce
