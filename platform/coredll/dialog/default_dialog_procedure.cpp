#include "dialog/dialog_focus.h"
#include "dialog/dialog_registry.h"

namespace ce {
namespace {

// Messages whose result is the dialog procedure's return value itself rather
// than DWL_MSGRESULT.
bool returnsProcedureResult(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

LRESULT eraseBackground(HWND dialog, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
    if (!brush) brush = GetSysColorBrush(COLOR_STATIC);
    RECT client{};
    GetClientRect(dialog, &client);
    FillRect(dc, &client, brush);
    return 1;
}

// Pocket PC dialogs and statics sit on the static colour (white), with the
// static text colour.
LRESULT controlColors(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_STATICTEXT));
    SetBkColor(dc, GetSysColor(COLOR_STATIC));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_STATIC));
}

// The default button: the one DM_SETDEFID named, else a BS_DEFPUSHBUTTON control.
LRESULT defaultButtonId(HWND dialog) {
    auto state = DialogRegistry::current().find(dialog);
    if (state && state->defaultId) return MAKELRESULT(state->defaultId, DC_HASDEFID);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return MAKELRESULT(GetWindowLongW(child, GWL_ID), DC_HASDEFID);
    return 0;
}

// DM_SETDEFID restyles the old and the new default push button.
void setDefaultButton(HWND dialog, UINT id) {
    HWND previous = nullptr;
    if (LRESULT old = defaultButtonId(dialog)) previous = GetDlgItem(dialog, LOWORD(old));
    DialogRegistry::current().update(dialog, [id](DialogState& state) { state.defaultId = id; });
    HWND next = id ? GetDlgItem(dialog, static_cast<int>(id)) : nullptr;
    if (previous && previous != next && (SendMessageW(previous, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        SendMessageW(previous, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (next && (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessageW(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void nextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    if (target && IsChild(dialog, target)) setDialogFocus(dialog, target);
}

// A close request is the Cancel command, unless a Cancel button exists and
// is disabled.
void closeAsCancel(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void forgetDialog(HWND dialog) {
    auto state = DialogRegistry::current().remove(dialog);
    if (state && state->ownsFont && state->font) DeleteObject(state->font);
}

LRESULT defaultProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return eraseBackground(dialog, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return controlColors(reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
        if (!wParam) saveDialogFocus(dialog);
        return DefWindowProcW(dialog, message, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            restoreDialogFocus(dialog);
        else
            saveDialogFocus(dialog);
        return 0;
    case WM_SETFOCUS:
        restoreDialogFocus(dialog);
        return 0;
    case DM_GETDEFID:
        return defaultButtonId(dialog);
    case DM_SETDEFID:
        setDefaultButton(dialog, static_cast<UINT>(wParam));
        return TRUE;
    case WM_NEXTDLGCTL:
        nextControl(dialog, wParam, lParam);
        return 0;
    case WM_CLOSE:
        closeAsCancel(dialog);
        return 0;
    case WM_SETFONT:
        DialogRegistry::current().update(dialog,
                                         [wParam](DialogState& state) { state.font = reinterpret_cast<HFONT>(wParam); });
        return 0;
    case WM_GETFONT: {
        auto state = DialogRegistry::current().find(dialog);
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    }
    default:
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

}  // namespace
}  // namespace ce

// DefDlgProc: calls the DLGPROC at DWL_DLGPROC first; a FALSE return means
// default processing. Handled messages answer DWL_MSGRESULT, except
// WM_INITDIALOG and WM_CTLCOLOR*, whose procedure result is the answer (a
// brush handle passes through the BOOL: graphics handles here fit 32 bits).
extern "C" LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    SetWindowLongW(hDlg, DWL_MSGRESULT, 0);
    auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongW(hDlg, DWL_DLGPROC));
    BOOL handled = procedure ? procedure(hDlg, Msg, wParam, lParam) : FALSE;
    if (Msg == WM_NCDESTROY) {
        // The dialog's own record goes with the window, handled or not.
        ce::forgetDialog(hDlg);
        return DefWindowProcW(hDlg, Msg, wParam, lParam);
    }
    if (!handled) return IsWindow(hDlg) ? ce::defaultProcessing(hDlg, Msg, wParam, lParam) : 0;
    if (ce::returnsProcedureResult(Msg)) return handled;
    return IsWindow(hDlg) ? GetWindowLongW(hDlg, DWL_MSGRESULT) : 0;
}
