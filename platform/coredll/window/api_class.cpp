// Exported window-class calls: thin wrappers over the manager's class table.
#include "window/window_manager.h"

#include <algorithm>
#include <cstring>

using ce::WindowManager;

// RegisterClassW: per module instance; a second class of the same name for that instance fails with ERROR_CLASS_ALREADY_EXISTS.
extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    if (!lpWndClass) {
        manager.setErrorLocked(ERROR_INVALID_PARAMETER);
        return 0;
    }
    DWORD error = 0;
    ce::WindowClass* added =
        manager.classesLocked().add(*lpWndClass, manager.currentThreadLocked().process().id(), &error);
    if (!added) {
        manager.setErrorLocked(error);
        return 0;
    }
    return added->atom;
}

// UnregisterClassW: fails with ERROR_CLASS_HAS_WINDOWS while windows of the class exist.
extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    DWORD error = 0;
    if (!manager.classesLocked().remove(lpClassName, hInstance, manager.currentThreadLocked().process().id(), &error)) {
        manager.setErrorLocked(error);
        return FALSE;
    }
    return TRUE;
}

// GetClassInfoW: copies the registration data; the name pointer is the class's own.
extern "C" BOOL WINAPI GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::WindowClass* found =
        manager.classesLocked().find(lpClassName, hInstance, manager.currentThreadLocked().process().id());
    if (!found || !lpWndClass) {
        manager.setErrorLocked(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *lpWndClass = found->info;
    return TRUE;
}

// GetClassNameW: copies as much of the name as fits, always terminated; returns the characters copied.
extern "C" int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
    auto& manager = WindowManager::current();
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    ce::Window* window = manager.requireLocked(hWnd);
    if (!window || !lpClassName || nMaxCount <= 0) return 0;
    const std::u16string& name = window->windowClass->name;
    size_t count = std::min(name.size(), static_cast<size_t>(nMaxCount) - 1);
    std::memcpy(lpClassName, name.data(), count * sizeof(WCHAR));
    lpClassName[count] = 0;
    return static_cast<int>(count);
}
