#pragma once

#include "resources/dialog_template.h"

#include <windows.h>

namespace ce {

// Runs a modal dialog made by createDialogFromTemplate(..., modal = true):
// disables nothing and destroys nothing; it only pumps the thread's messages
// through IsDialogMessage until EndDialog, shows the dialog the first time
// the queue is empty if it is still hidden, and re-posts a WM_QUIT that
// arrives meanwhile. Returns EndDialog's result, or -1 when a WM_QUIT ended
// the loop or the dialog window went away without EndDialog.
int runModalLoop(HWND dialog);

// The whole modal run of DialogBox: disables an enabled owner, creates the
// dialog, runs the loop, then re-enables the owner, hides the dialog, hands
// the activation back to the owner if the dialog had it, and destroys the
// dialog. -1 when the dialog cannot be created.
int runModalDialog(HINSTANCE module, const DialogTemplate& dialogTemplate, HWND parent, DLGPROC procedure,
                   LPARAM initParam);

}  // namespace ce
