// Registration of the common control classes.
#include "command_bar_class.h"

#include <commctrl.h>

// InitCommonControls: registers the command bar class (the only control kept).
extern "C" void WINAPI InitCommonControls() { ce::commctrl::registerCommandBarClass(); }

// InitCommonControlsEx: fails on a wrong dwSize, as documented; otherwise
// registers the command bar class whatever dwICC asks for.
extern "C" BOOL WINAPI InitCommonControlsEx(LPINITCOMMONCONTROLSEX lpInitCtrls) {
    if (!lpInitCtrls || lpInitCtrls->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ce::commctrl::registerCommandBarClass();
    return TRUE;
}
