#include <windows.h>

// SendDlgItemMessage: 0 when the dialog has no control with that id.
extern "C" LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control ? SendMessageW(control, Msg, wParam, lParam) : 0;
}

// SetDlgItemText: sends WM_SETTEXT, so the control repaints itself.
extern "C" BOOL WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    return control ? static_cast<BOOL>(SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)))
                   : FALSE;
}

// GetDlgItemText: the copied length; an empty string when there is no such control.
extern "C" UINT WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int nMaxCount) {
    HWND control = GetDlgItem(hDlg, nIDDlgItem);
    if (!control) {
        if (lpString && nMaxCount > 0) lpString[0] = u'\0';
        return 0;
    }
    return static_cast<UINT>(
        SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}
