#pragma once

#include "resources/dialog_template.h"

#include <windows.h>

#include <optional>

namespace ce {

// The window itself, or its nearest ancestor that is not a child window.
HWND topLevelWindowOf(HWND window);

// Finds, loads and parses a dialog template resource of module. On failure:
// nothing, with the last error ERROR_RESOURCE_NAME_NOT_FOUND (no such
// template) or ERROR_RESOURCE_DATA_NOT_FOUND (unreadable or malformed).
std::optional<DialogTemplate> loadDialogTemplate(HINSTANCE module, LPCWSTR name);
// The same for an in-memory template, which carries no size of its own.
std::optional<DialogTemplate> readDialogTemplate(LPCDLGTEMPLATEW data);

// Makes the dialog window and its controls from a template: the window is
// created hidden, the controls follow in template order, WM_INITDIALOG goes
// to the dialog procedure, and a WS_VISIBLE template is shown unless the
// dialog is modal and already ended. A modal dialog is run by runModalLoop
// afterwards. Null (with the last error set) when a window cannot be made.
HWND createDialogFromTemplate(HINSTANCE module, const DialogTemplate& dialogTemplate, HWND parent, DLGPROC procedure,
                              LPARAM initParam, bool modal);

}  // namespace ce
