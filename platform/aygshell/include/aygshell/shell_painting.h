#pragma once

#include <windows.h>

// Drawing helpers for the shell's own windows (bars, buttons, panes).
namespace ce::aygshell {

// Fills area with background; draws label (may be null) in textColor with
// the given DrawText format, on a transparent background.
void paintLabelledArea(HDC dc, const RECT& area, COLORREF background, COLORREF textColor, const WCHAR* label,
                       UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE);

// Runs a whole paint cycle on window, filling its client area with
// background and centring its window text in textColor.
void paintWindowWithText(HWND window, COLORREF background, COLORREF textColor);

}  // namespace ce::aygshell
