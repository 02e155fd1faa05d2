#include "dialog/dialog_focus.h"

namespace ce {
namespace {

// Enter: the focused push button if there is one, else the default button,
// else IDOK; a disabled target swallows the key.
void pressEnter(HWND dialog, HWND focus, LRESULT focusCode) {
    HWND button = nullptr;
    int id = IDOK;
    if (focus && (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        button = focus;
        id = static_cast<int>(GetWindowLongW(focus, GWL_ID));
    } else if (LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0); HIWORD(defaultId) == DC_HASDEFID) {
        id = LOWORD(defaultId);
        button = GetDlgItem(dialog, id);
    } else {
        button = GetDlgItem(dialog, IDOK);
    }
    if (button && !IsWindowEnabled(button)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void pressEscape(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

// True when the key was a dialog navigation key the focused window does not
// want for itself and has been handled.
bool handleNavigationKey(HWND dialog, const MSG& message) {
    LRESULT code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (code & DLGC_WANTALLKEYS) return false;
    switch (message.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        SendMessageW(dialog, WM_NEXTDLGCTL, 0, 0);
        return true;
    case VK_RETURN:
        pressEnter(dialog, message.hwnd == dialog ? nullptr : message.hwnd, code);
        return true;
    case VK_ESCAPE:
        pressEscape(dialog);
        return true;
    default:
        return false;
    }
}

// The characters TranslateMessage makes of the navigation keys are eaten too.
bool isNavigationCharacter(HWND window, const MSG& message) {
    if (message.wParam != u'\t' && message.wParam != u'\r' && message.wParam != 0x1B) return false;
    LRESULT code = SendMessageW(window, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)) return false;
    return !(message.wParam == u'\t' && (code & DLGC_WANTTAB));
}

}  // namespace
}  // namespace ce

// IsDialogMessage: handles Tab, Enter and Escape for the dialog and
// dispatches every other message of the dialog or its controls itself,
// returning TRUE for all of them as Win32 does. Shift-Tab is not told
// apart: there is no keyboard-state call on this platform yet.
extern "C" BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg) {
    if (!hDlg || !lpMsg || !IsWindow(hDlg)) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    if (lpMsg->message == WM_KEYDOWN && ce::handleNavigationKey(hDlg, *lpMsg)) return TRUE;
    if (lpMsg->message == WM_CHAR && ce::isNavigationCharacter(lpMsg->hwnd, *lpMsg)) return TRUE;
    TranslateMessage(lpMsg);
    DispatchMessageW(lpMsg);
    return TRUE;
}
