#pragma once

#include <windows.h>

// Drawing helpers for the shell's own windows (bars, buttons, panes).
namespace ce::aygshell {

// Runs one paint cycle on window: draw(dc, client rectangle) between
// BeginPaint and EndPaint.
template <typename Draw>
void paintCycle(HWND window, Draw draw) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    draw(dc, client);
    EndPaint(window, &paint);
}

// Draws label (may be null) in textColor inside area with the given
// DrawText format, on a transparent background.
void drawLabel(HDC dc, const RECT& area, COLORREF textColor, const WCHAR* label,
               UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE);

// Fills area with background, then draws label as drawLabel does.
void paintLabelledArea(HDC dc, const RECT& area, COLORREF background, COLORREF textColor, const WCHAR* label,
                       UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE);

// Runs a whole paint cycle on window, filling its client area with
// background and centring its window text in textColor.
void paintWindowWithText(HWND window, COLORREF background, COLORREF textColor);

}  // namespace ce::aygshell
