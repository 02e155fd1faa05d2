#pragma once

#include <windows.h>

namespace ce {

// The first control that takes the focus by Tab: WS_TABSTOP, shown by its own
// style and enabled; null when there is none. Works on a dialog not shown yet.
HWND firstTabStop(HWND dialog);

// Remembers the focused control of the dialog (on deactivation, hiding).
void saveDialogFocus(HWND dialog);
// Gives the focus back to the remembered control, else to the first tab stop.
void restoreDialogFocus(HWND dialog);
// Focuses control and remembers it as the dialog's focus control.
void setDialogFocus(HWND dialog, HWND control);

}  // namespace ce
