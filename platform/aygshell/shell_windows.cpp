#include "aygshell/shell_windows.h"

#include <cstring>

namespace ce::aygshell {

LRESULT CALLBACK MenuBarProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK InputPanelButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void registerShellClasses() {
    WNDCLASSW menuBar{};
    menuBar.style = CS_GLOBALCLASS;
    menuBar.lpfnWndProc = MenuBarProcedure;
    menuBar.lpszClassName = kMenuBarClass;
    RegisterClassW(&menuBar);

    WNDCLASSW button{};
    button.style = CS_GLOBALCLASS;
    button.lpfnWndProc = InputPanelButtonProcedure;
    button.lpszClassName = kInputPanelButtonClass;
    RegisterClassW(&button);
}

void requestTaskbarRefresh() {
    if (HWND taskbar = FindWindowW(kTaskbarClass, nullptr)) PostMessageW(taskbar, kTaskbarRefreshMessage, 0, 0);
}

HWND findScreenInputPanelButton() { return FindWindowW(kInputPanelButtonClass, nullptr); }

HWND inputPanelButtonOf(HWND menuBar) {
    if (!menuBar) return nullptr;
    for (HWND child = GetWindow(menuBar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (hasClass(child, kInputPanelButtonClass)) return child;
    return nullptr;
}

LRESULT shellBarDefaultProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ACTIVATE: {
        HWND previous = reinterpret_cast<HWND>(lParam);
        if (LOWORD(wParam) != WA_INACTIVE && previous && IsWindowVisible(previous)) SetForegroundWindow(previous);
        return 0;
    }
    default:
        return DefWindowProcW(bar, message, wParam, lParam);
    }
}

bool hasClass(HWND window, const WCHAR* className) {
    WCHAR name[64] = {};
    if (GetClassNameW(window, name, 64) == 0) return false;
    return lstrcmpW(name, className) == 0;
}

HWND topLevelOf(HWND window) {
    while (window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    return window;
}

}  // namespace ce::aygshell
