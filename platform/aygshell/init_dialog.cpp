// SHInitDialog: the Pocket PC treatment of a dialog (Done button, sizing to
// the screen's work area, input panel).
#include "aygshell/input_panel.h"
#include "aygshell/shell_geometry.h"
#include "aygshell/shell_windows.h"

#include <aygshell.h>

using namespace ce::aygshell;

namespace {

bool hasVisibleMenuBar(HWND dialog) {
    HWND bar = SHFindMenuBar(dialog);
    return bar && (GetWindowLongW(bar, GWL_STYLE) & WS_VISIBLE);
}

// The rectangle the sizing flags ask for, or false when none is set:
//   SHIDIF_FULLSCREENNOMENUBAR  (0, 26, w, h)            no room kept for a menu bar
//   SHIDIF_SIZEDLGFULLSCREEN    (0, 26, w, h)            or (0, 26, w, h - 26) with a visible menu bar
//   SHIDIF_SIZEDLG              as SIZEDLGFULLSCREEN, and 80 px less while the input panel is raised
bool sizingRectangle(HWND dialog, DWORD flags, RECT& area) {
    area = workAreaBelowTaskbar();
    if (flags & SHIDIF_FULLSCREENNOMENUBAR) return true;
    if (!(flags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG))) return false;
    if (hasVisibleMenuBar(dialog)) area.bottom -= kMenuBarHeight;
    if (!(flags & SHIDIF_SIZEDLGFULLSCREEN) && InputPanel::current().raised()) area.bottom -= kInputPanelHeight;
    return true;
}

}  // namespace

// SHInitDialog: applies dwFlags only when dwMask has SHIDIM_FLAGS; a Done
// button also gives a dialog without a caption one, as documented.
extern "C" BOOL WINAPI SHInitDialog(PSHINITDLGINFO pshidi) {
    if (!pshidi || !IsWindow(pshidi->hDlg)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(pshidi->dwMask & SHIDIM_FLAGS)) return TRUE;
    HWND dialog = pshidi->hDlg;
    DWORD flags = pshidi->dwFlags;

    if (flags & SHIDIF_DONEBUTTON) {
        LONG_PTR style = GetWindowLongW(dialog, GWL_STYLE);
        if ((style & WS_CAPTION) != WS_CAPTION) SetWindowLongW(dialog, GWL_STYLE, style | WS_CAPTION);
        SetWindowLongW(dialog, GWL_EXSTYLE, GetWindowLongW(dialog, GWL_EXSTYLE) | WS_EX_CAPTIONOKBTN);
    }
    if ((flags & SHIDIF_EMPTYMENU) && !SHFindMenuBar(dialog)) {
        SHMENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        bar.hwndParent = dialog;
        bar.dwFlags = SHCMBF_EMPTYBAR;
        SHCreateMenuBar(&bar);
    }
    if (flags & SHIDIF_SIPDOWN) InputPanel::current().setRaised(false);

    UINT positionFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    RECT area{};
    if (sizingRectangle(dialog, flags, area))
        SetWindowPos(dialog, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     positionFlags);
    else if (flags & SHIDIF_DONEBUTTON)
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0, positionFlags | SWP_NOMOVE | SWP_NOSIZE);
    requestTaskbarRefresh();
    return TRUE;
}
