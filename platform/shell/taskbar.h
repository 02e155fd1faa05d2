#pragma once

#include <windows.h>

namespace ce::shell {

// The taskbar: a topmost strip across the top of the screen, dark blue,
// showing the foreground window's title and, when that window asked for a
// Done button (WS_EX_CAPTIONOKBTN), an "ok" button at its right end that
// sends IDOK to it. It reads the foreground window whenever the shell
// library posts it a refresh request. Created on the calling thread.
HWND createTaskbar();

// The "ok" button's rectangle in the taskbar's client coordinates.
RECT taskbarOkButtonRect(HWND taskbar);

}  // namespace ce::shell
