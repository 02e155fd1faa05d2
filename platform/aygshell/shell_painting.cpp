#include "aygshell/shell_painting.h"

namespace ce::aygshell {

void drawLabel(HDC dc, const RECT& area, COLORREF textColor, const WCHAR* label, UINT format) {
    if (!label || !label[0]) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    RECT textArea = area;
    DrawTextW(dc, label, -1, &textArea, format | DT_NOPREFIX);
}

void paintLabelledArea(HDC dc, const RECT& area, COLORREF background, COLORREF textColor, const WCHAR* label,
                       UINT format) {
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    drawLabel(dc, area, textColor, label, format);
}

void paintWindowWithText(HWND window, COLORREF background, COLORREF textColor) {
    WCHAR text[128] = {};
    GetWindowTextW(window, text, 128);
    paintCycle(window, [&](HDC dc, const RECT& client) { paintLabelledArea(dc, client, background, textColor, text); });
}

}  // namespace ce::aygshell
