#pragma once

#include <windows.h>

namespace ce::shell {

// The Windows Mobile desktop's procedure. Like the real shell's, it lays its
// windows out again on every WM_SETTINGCHANGE and on activation (WA_ACTIVE,
// WA_CLICKACTIVE), undoing whatever moved them meanwhile.
LRESULT CALLBACK WindowsMobileDesktopProcedure(HWND desktop, UINT message, WPARAM wParam, LPARAM lParam);

// The shell's own layout, with the screen size read now: desktop over
// (0, 26, w, h - 26), its menu bar shown at (0, h - 26, w, h) with the
// input-panel button shown in its middle, the container over the desktop's
// client area, the strip across the container's bottom 40 px and the
// content pane above it.
void restoreShellLayout(HWND desktop);

}  // namespace ce::shell
