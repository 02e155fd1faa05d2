// ShowWindow: WM_SHOWWINDOW, then SetWindowPos with the show or hide flag.
// Hiding the active window activates another one, and a focus inside the
// hidden window goes back to its parent.
#include "window/window_manager.h"

namespace ce {

BOOL WindowManager::showWindow(HWND handle, int command) {
    std::unique_lock<std::mutex> lock(device_.mutex());
    Window* window = requireLocked(handle);
    if (!window) return FALSE;
    bool wasVisible = (window->style & WS_VISIBLE) != 0;
    bool isChild = (window->style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    switch (command) {
    case SW_HIDE:
    case SW_MINIMIZE:
        if (!wasVisible) return FALSE;
        flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOW:
        if (wasVisible) return TRUE;
        [[fallthrough]];
    case SW_SHOWNORMAL:
    case SW_SHOWMAXIMIZED:
    case SW_RESTORE:
        flags |= SWP_SHOWWINDOW;
        if (isChild) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (wasVisible && command == SW_SHOWNA) return TRUE;
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        if (isChild) flags |= SWP_NOZORDER;
        break;
    default:
        setErrorLocked(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool show = (flags & SWP_SHOWWINDOW) != 0;
    lock.unlock();

    if (show != wasVisible) send(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    setWindowPos(handle, HWND_TOP, 0, 0, 0, 0, flags);

    if (!show) {
        lock.lock();
        leaveActivationAndFocusLocked(lock, handle, true);
    }
    return wasVisible ? TRUE : FALSE;
}

}  // namespace ce
