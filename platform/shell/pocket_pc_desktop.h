#pragma once

#include <windows.h>

namespace ce::shell {

// The Pocket PC Today screen: white with its heading, behind every window.
LRESULT CALLBACK PocketPcDesktopProcedure(HWND desktop, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ce::shell
