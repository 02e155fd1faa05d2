#include "windows_mobile_desktop.h"

#include "desktop_panes.h"
#include "desktop_window.h"
#include "pocket_pc_desktop.h"

#include <aygshell.h>
#include <aygshell/shell_geometry.h>
#include <aygshell/shell_windows.h>

namespace ce::shell {

using namespace ce::aygshell;

void restoreShellLayout(HWND desktop) {
    constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE;
    RECT below = workAreaBelowTaskbar();
    RECT barArea = menuBarRect();
    SetWindowPos(desktop, nullptr, below.left, below.top, below.right - below.left,
                 barArea.top - below.top, kPlaceOnly);
    if (HWND bar = SHFindMenuBar(desktop)) {
        SetWindowPos(bar, nullptr, barArea.left, barArea.top, barArea.right - barArea.left, kMenuBarHeight,
                     kPlaceOnly | SWP_SHOWWINDOW);
        if (HWND button = inputPanelButtonOf(bar)) {
            int barWidth = barArea.right - barArea.left;
            SetWindowPos(button, nullptr, (barWidth - kInputPanelButtonWidth) / 2, 0, kInputPanelButtonWidth,
                         kMenuBarHeight, kPlaceOnly | SWP_SHOWWINDOW);
        }
    }
    layOutContainer(desktop);
}

LRESULT CALLBACK WindowsMobileDesktopProcedure(HWND desktop, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTINGCHANGE:
        restoreShellLayout(desktop);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_ACTIVE || LOWORD(wParam) == WA_CLICKACTIVE) restoreShellLayout(desktop);
        return DefWindowProcW(desktop, message, wParam, lParam);
    case WM_SIZE:
        layOutContainer(desktop);
        return 0;
    default:
        // Otherwise it behaves as the Pocket PC desktop: behind everything,
        // painted as the Today screen.
        return PocketPcDesktopProcedure(desktop, message, wParam, lParam);
    }
}

}  // namespace ce::shell
