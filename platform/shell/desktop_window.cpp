#include "desktop_window.h"

#include "window/window_manager.h"

#include <aygshell/shell_painting.h>

namespace ce::shell {

namespace {

constexpr COLORREF kTodayBackground = RGB(255, 255, 255);
constexpr COLORREF kHeadingColour = RGB(0, 0, 160);
constexpr int kHeadingHeight = 24;

}  // namespace

void registerDesktopWindow(HWND desktop) { WindowManager::current().setDesktopWindow(desktop); }

void keepBehindOtherWindows(LPARAM windowPosition) {
    auto* position = reinterpret_cast<WINDOWPOS*>(windowPosition);
    if (position && !(position->flags & SWP_NOZORDER)) position->hwndInsertAfter = HWND_BOTTOM;
}

HWND createDesktop(WNDPROC procedure, const RECT& area) {
    WNDCLASSW desktopClass{};
    desktopClass.lpfnWndProc = procedure;
    desktopClass.lpszClassName = kDesktopClass;
    RegisterClassW(&desktopClass);
    return CreateWindowExW(0, kDesktopClass, kDesktopTitle, WS_POPUP | WS_CLIPCHILDREN, area.left, area.top,
                           area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
}

void paintTodayScreen(HWND desktop) {
    aygshell::paintCycle(desktop, [](HDC dc, const RECT& client) {
        aygshell::paintLabelledArea(dc, client, kTodayBackground, kHeadingColour, nullptr);
        RECT heading{client.left + 6, client.top, client.right, client.top + kHeadingHeight};
        aygshell::drawLabel(dc, heading, kHeadingColour, kDesktopTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        RECT rule{client.left, client.top + kHeadingHeight, client.right, client.top + kHeadingHeight + 2};
        aygshell::paintLabelledArea(dc, rule, kHeadingColour, kHeadingColour, nullptr);
    });
}

}  // namespace ce::shell
