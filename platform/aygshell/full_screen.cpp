// SHFullScreen: takes the taskbar and the input-panel button off the screen
// for a full-screen window, or brings them back.
#include "aygshell/shell_windows.h"

#include <aygshell.h>

using namespace ce::aygshell;

namespace {

void showInputPanelButtons(HWND requester, int command) {
    if (HWND screenWide = findScreenInputPanelButton()) ShowWindow(screenWide, command);
    if (HWND own = inputPanelButtonOf(SHFindMenuBar(requester))) ShowWindow(own, command);
}

}  // namespace

// SHFullScreen: the SHFS_HIDE* flags fail (FALSE, nothing changed) unless
// hwndRequester is the foreground window, as documented; the taskbar is
// hidden rather than sent to the bottom of the Z order; the Start icon flags
// are accepted and change nothing visible.
extern "C" BOOL WINAPI SHFullScreen(HWND hwndRequester, DWORD dwState) {
    if (!hwndRequester || !IsWindow(hwndRequester)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    constexpr DWORD kHideFlags = SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON;
    if ((dwState & kHideFlags) && GetForegroundWindow() != topLevelOf(hwndRequester)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    HWND taskbar = FindWindowW(kTaskbarClass, nullptr);
    if (taskbar && (dwState & SHFS_SHOWTASKBAR)) ShowWindow(taskbar, SW_SHOWNA);
    if (taskbar && (dwState & SHFS_HIDETASKBAR)) ShowWindow(taskbar, SW_HIDE);
    if (dwState & SHFS_SHOWSIPBUTTON) showInputPanelButtons(hwndRequester, SW_SHOWNA);
    if (dwState & SHFS_HIDESIPBUTTON) showInputPanelButtons(hwndRequester, SW_HIDE);
    requestTaskbarRefresh();
    return TRUE;
}
