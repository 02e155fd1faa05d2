#include "aygshell/shell_painting.h"

namespace ce::aygshell {

void paintLabelledArea(HDC dc, const RECT& area, COLORREF background, COLORREF textColor, const WCHAR* label,
                       UINT format) {
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    if (!label || !label[0]) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    RECT textArea = area;
    DrawTextW(dc, label, -1, &textArea, format | DT_NOPREFIX);
}

void paintWindowWithText(HWND window, COLORREF background, COLORREF textColor) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    WCHAR text[128] = {};
    GetWindowTextW(window, text, 128);
    paintLabelledArea(dc, client, background, textColor, text);
    EndPaint(window, &paint);
}

}  // namespace ce::aygshell
