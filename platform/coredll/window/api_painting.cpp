// Exported painting calls of the window manager (drawing itself is gdi's).
#include "window/window_manager.h"

using ce::WindowManager;

// InvalidateRect: client coordinates; a NULL rectangle means the whole client area. A NULL window changes nothing.
extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    return WindowManager::current().invalidateRect(hWnd, lpRect, bErase);
}

// ValidateRect: client coordinates; NULL validates the whole client area.
extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
    return WindowManager::current().validateRect(hWnd, lpRect);
}

// GetUpdateRect: bounds of the client part of the update region; bErase erases it now.
extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
    return WindowManager::current().getUpdateRect(hWnd, lpRect, bErase);
}

// UpdateWindow: sends WM_PAINT at once if the update region is not empty.
extern "C" BOOL WINAPI UpdateWindow(HWND hWnd) { return WindowManager::current().updateWindow(hWnd); }

// BeginPaint: WM_NCPAINT and WM_ERASEBKGND as needed; validates; the DC is clipped to the update and visible regions.
extern "C" HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    return WindowManager::current().beginPaint(hWnd, lpPaint);
}

// EndPaint: releases the paint DC.
extern "C" BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    return WindowManager::current().endPaint(hWnd, lpPaint);
}

// GetDC: the client area clipped to what is visible; NULL gives the whole screen, unclipped.
extern "C" HDC WINAPI GetDC(HWND hWnd) { return WindowManager::current().getDC(hWnd, false); }

// GetWindowDC: the whole window with its caption; NULL gives the whole screen, not clipped by any window.
extern "C" HDC WINAPI GetWindowDC(HWND hWnd) { return WindowManager::current().getDC(hWnd, true); }

// ReleaseDC: 1 when released.
extern "C" int WINAPI ReleaseDC(HWND hWnd, HDC hDC) { return WindowManager::current().releaseDC(hWnd, hDC); }
