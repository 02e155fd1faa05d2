#include "window/non_client.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace ce {

namespace {

constexpr COLORREF kCaptionColor = RGB(0, 0, 128);
constexpr COLORREF kCaptionTextColor = RGB(255, 255, 255);

bool contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

bool hasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

RECT clientAreaFor(DWORD style, const RECT& windowRect) {
    RECT client = windowRect;
    if (hasCaption(style)) client.top = std::min(client.top + kCaptionHeight, client.bottom);
    return client;
}

RECT okButtonFor(const RECT& windowRect) {
    return RECT{std::max(windowRect.left, windowRect.right - kOkButtonWidth), windowRect.top, windowRect.right,
                std::min(windowRect.top + kCaptionHeight, windowRect.bottom)};
}

LRESULT defaultHitTest(DWORD style, DWORD exStyle, const RECT& windowRect, const RECT& clientRect, POINT screen) {
    if (!contains(windowRect, screen)) return HTNOWHERE;
    if (contains(clientRect, screen)) return HTCLIENT;
    if (hasCaption(style) && screen.y < windowRect.top + kCaptionHeight) {
        if ((exStyle & WS_EX_CAPTIONOKBTN) && contains(okButtonFor(windowRect), screen)) return HTOKBUTTON;
        return HTCAPTION;
    }
    return HTBORDER;
}

void paintCaption(HWND window) {
    DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    if (!hasCaption(style)) return;
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    RECT caption{0, 0, windowRect.right - windowRect.left, kCaptionHeight};
    std::u16string title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));

    HDC dc = GetWindowDC(window);
    if (!dc) return;
    HBRUSH background = CreateSolidBrush(kCaptionColor);
    FillRect(dc, &caption, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kCaptionTextColor);
    RECT titleArea = caption;
    titleArea.left += 4;
    if (exStyle & WS_EX_CAPTIONOKBTN) {
        RECT button = okButtonFor(caption);
        titleArea.right = button.left;
        DrawTextW(dc, u"ok", -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    DrawTextW(dc, title.c_str(), -1, &titleArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(window, dc);
}

}  // namespace ce
