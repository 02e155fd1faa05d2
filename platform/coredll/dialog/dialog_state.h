#pragma once

#include <windows.h>

namespace ce {

// What the dialog manager keeps for one dialog window beyond the
// DLGWINDOWEXTRA bytes the application can reach with GetWindowLong.
struct DialogState {
    HFONT font = nullptr;         // the dialog's font (WM_SETFONT / WM_GETFONT)
    bool ownsFont = false;        // made from the template, so deleted with the dialog
    SIZE baseUnits{};             // pixels per 4 horizontal and per 8 vertical dialog units
    HWND focusControl = nullptr;  // the control that gets the focus back on activation
    UINT defaultId = 0;           // DM_SETDEFID; 0 when none was set
    bool modal = false;           // run by DialogBox: EndDialog ends its loop
    bool ended = false;           // EndDialog was called
    int result = 0;               // the value EndDialog was given
};

}  // namespace ce
