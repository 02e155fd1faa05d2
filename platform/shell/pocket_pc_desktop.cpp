#include "pocket_pc_desktop.h"

#include "desktop_window.h"

namespace ce::shell {

LRESULT CALLBACK PocketPcDesktopProcedure(HWND desktop, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        keepBehindOtherWindows(lParam);
        return 0;
    case WM_PAINT:
        paintTodayScreen(desktop);
        return 0;
    default:
        return DefWindowProcW(desktop, message, wParam, lParam);
    }
}

}  // namespace ce::shell
