// Exported activation, focus, enabling and capture calls.
#include "window/window_manager.h"

using ce::WindowManager;

// SetActiveWindow: windows of the calling thread only; returns the previous active window.
extern "C" HWND WINAPI SetActiveWindow(HWND hWnd) { return WindowManager::current().setActiveWindow(hWnd); }

// GetActiveWindow: the active window of the calling thread's queue.
extern "C" HWND WINAPI GetActiveWindow() { return WindowManager::current().activeWindow(); }

// SetForegroundWindow: a handle with the low bit set brings the window's owned pop-ups forward with it.
extern "C" BOOL WINAPI SetForegroundWindow(HWND hWnd) { return WindowManager::current().setForegroundWindow(hWnd); }

// GetForegroundWindow: the window the user works with, whatever thread owns it.
extern "C" HWND WINAPI GetForegroundWindow() { return WindowManager::current().foregroundWindow(); }

// SetFocus: windows of the calling thread that take input; activates their top-level window first.
extern "C" HWND WINAPI SetFocus(HWND hWnd) { return WindowManager::current().setFocus(hWnd); }

// GetFocus: the focus of the calling thread.
extern "C" HWND WINAPI GetFocus() { return WindowManager::current().focus(); }

// EnableWindow: returns nonzero if the window was disabled before; disabling takes the focus away.
extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) { return WindowManager::current().enableWindow(hWnd, bEnable); }

// IsWindowEnabled: the window's own WS_DISABLED flag.
extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::Window* window = manager.findLocked(hWnd);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

// SetCapture: pen input goes to the window until released; the old capture gets WM_CAPTURECHANGED.
extern "C" HWND WINAPI SetCapture(HWND hWnd) { return WindowManager::current().setCapture(hWnd); }

// ReleaseCapture: sends WM_CAPTURECHANGED to the window that had the capture.
extern "C" BOOL WINAPI ReleaseCapture() { return WindowManager::current().releaseCapture(); }

// GetCapture: the capture, if a window of the calling thread holds it.
extern "C" HWND WINAPI GetCapture() { return WindowManager::current().capture(); }
