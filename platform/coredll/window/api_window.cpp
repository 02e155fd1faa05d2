// Exported calls that create, destroy, show, move and describe windows.
#include "window/window_manager.h"

using ce::WindowManager;

// CreateWindowExW: WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE (-1 destroys the window and gives NULL), the show if WS_VISIBLE, then WM_SIZE and WM_MOVE.
extern "C" HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                                       int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                                       HINSTANCE hInstance, LPVOID lpParam) {
    CREATESTRUCTW create{};
    create.lpCreateParams = lpParam;
    create.hInstance = hInstance;
    create.hMenu = hMenu;
    create.hwndParent = hWndParent;
    create.cy = nHeight;
    create.cx = nWidth;
    create.y = Y;
    create.x = X;
    create.style = static_cast<LONG>(dwStyle);
    create.lpszName = lpWindowName;
    create.lpszClass = lpClassName;
    create.dwExStyle = dwExStyle;
    return WindowManager::current().createWindow(create);
}

// DestroyWindow: only the owning thread may destroy; owned pop-ups and children go with the window.
extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) { return WindowManager::current().destroyWindow(hWnd); }

// IsWindow: false for null and for destroyed handles (never reused).
extern "C" BOOL WINAPI IsWindow(HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    return manager.findLocked(hWnd) ? TRUE : FALSE;
}

// ShowWindow: returns whether the window was visible before.
extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) { return WindowManager::current().showWindow(hWnd, nCmdShow); }

// MoveWindow: SetWindowPos without z-order or activation change; bRepaint FALSE leaves the screen as it is.
extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0u : static_cast<UINT>(SWP_NOREDRAW));
    return WindowManager::current().setWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

// SetWindowPos: a child's position is in its parent's client coordinates.
extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    return WindowManager::current().setWindowPos(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
}

// BringWindowToTop: top of its z-order band, activating a top-level window.
extern "C" BOOL WINAPI BringWindowToTop(HWND hWnd) { return WindowManager::current().bringWindowToTop(hWnd); }

// GetWindowRect: screen coordinates.
extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::Window* window = manager.requireLocked(hWnd);
    if (!window || !lpRect) return FALSE;
    *lpRect = window->windowRect;
    return TRUE;
}

// GetClientRect: (0, 0, width, height) of the client area.
extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::Window* window = manager.requireLocked(hWnd);
    if (!window || !lpRect) return FALSE;
    *lpRect = RECT{0, 0, window->clientRect.right - window->clientRect.left,
                   window->clientRect.bottom - window->clientRect.top};
    return TRUE;
}

// SetWindowTextW: sends WM_SETTEXT, so a window procedure sees the change.
extern "C" BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    return WindowManager::current().send(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
}

// GetWindowTextW: sends WM_GETTEXT; the result is terminated and cut to the buffer.
extern "C" int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) return 0;
    lpString[0] = 0;
    return static_cast<int>(
        WindowManager::current().send(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

// GetWindowTextLengthW: sends WM_GETTEXTLENGTH.
extern "C" int WINAPI GetWindowTextLengthW(HWND hWnd) {
    return static_cast<int>(WindowManager::current().send(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

// GetWindowLongW: pointer-sized on this host; non-negative indexes reach the class's extra bytes.
extern "C" LONG_PTR WINAPI GetWindowLongW(HWND hWnd, int nIndex) {
    return WindowManager::current().getWindowLong(hWnd, nIndex);
}

// SetWindowLongW: takes effect before it returns, also on another thread's window; returns the old value.
extern "C" LONG_PTR WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    return WindowManager::current().setWindowLong(hWnd, nIndex, dwNewLong);
}

// GetWindowThreadProcessId: the thread that created the window, and its process.
extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::Window* window = manager.requireLocked(hWnd);
    if (!window) return 0;
    if (lpdwProcessId) *lpdwProcessId = window->process->id();
    return window->thread->id();
}
