#include "dialog/control_drawing.h"

namespace ce::controls {

std::u16string windowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

HFONT fontForDrawing(HWND control, int fontOffset) {
    auto font = reinterpret_cast<HFONT>(GetWindowLongW(control, fontOffset));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

HBRUSH backgroundFromParent(HWND control, HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_STATICTEXT));
    SetBkColor(dc, GetSysColor(COLOR_STATIC));
    HWND parent = GetParent(control);
    HBRUSH brush = nullptr;
    if (parent)
        brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control)));
    return brush ? brush : GetSysColorBrush(COLOR_STATIC);
}

void fillWithSystemColor(HDC dc, const RECT& rect, int colorIndex) {
    FillRect(dc, &rect, GetSysColorBrush(colorIndex));
}

void drawFrame(HDC dc, const RECT& rect, int thickness, int colorIndex) {
    HBRUSH brush = GetSysColorBrush(colorIndex);
    RECT top{rect.left, rect.top, rect.right, rect.top + thickness};
    RECT bottom{rect.left, rect.bottom - thickness, rect.right, rect.bottom};
    RECT left{rect.left, rect.top, rect.left + thickness, rect.bottom};
    RECT right{rect.right - thickness, rect.top, rect.right, rect.bottom};
    FillRect(dc, &top, brush);
    FillRect(dc, &bottom, brush);
    FillRect(dc, &left, brush);
    FillRect(dc, &right, brush);
}

void repaintNow(HWND control, void (*paint)(HWND, HDC)) {
    if (!IsWindowVisible(control)) return;
    HDC dc = GetDC(control);
    if (!dc) return;
    paint(control, dc);
    ReleaseDC(control, dc);
}

}  // namespace ce::controls
