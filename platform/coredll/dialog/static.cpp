#include "dialog/static.h"

#include "dialog/control_drawing.h"

namespace ce {
namespace {

UINT typeOf(HWND control) { return static_cast<UINT>(GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK); }

UINT textFormat(LONG_PTR style) {
    UINT format = DT_WORDBREAK | DT_EXPANDTABS;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: return format | DT_CENTER;
    case SS_RIGHT: return format | DT_RIGHT;
    default: return format | DT_LEFT;
    }
}

void paintStatic(HWND control, HDC dc) {
    RECT client{};
    GetClientRect(control, &client);
    FillRect(dc, &client, controls::backgroundFromParent(control, dc));
    LONG_PTR style = GetWindowLongW(control, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON) {
        if (auto icon = reinterpret_cast<HICON>(GetWindowLongW(control, staticIconOffset)))
            DrawIcon(dc, client.left, client.top, icon);
        return;
    }
    HGDIOBJ oldFont = SelectObject(dc, controls::fontForDrawing(control, staticFontOffset));
    if (!IsWindowEnabled(control)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    std::u16string text = controls::windowText(control);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, textFormat(style));
    SelectObject(dc, oldFont);
}

// An SS_ICON control created from a template names its icon in its text:
// the resource name, or "#<number>" for an ordinal.
void loadIconFromText(HWND control, const CREATESTRUCTW& create) {
    if (!create.lpszName || !create.lpszName[0]) return;
    std::u16string name = create.lpszName;
    HICON icon = nullptr;
    if (name[0] == u'#') {
        unsigned ordinal = 0;
        for (std::size_t i = 1; i < name.size() && name[i] >= u'0' && name[i] <= u'9'; ++i)
            ordinal = ordinal * 10 + static_cast<unsigned>(name[i] - u'0');
        icon = LoadIconW(create.hInstance, MAKEINTRESOURCEW(ordinal));
    } else {
        icon = LoadIconW(create.hInstance, name.c_str());
    }
    SetWindowLongW(control, staticIconOffset, reinterpret_cast<LONG_PTR>(icon));
}

}  // namespace

// The static class's window procedure; taps fall through to the window
// below (HTTRANSPARENT), as Win32 statics without SS_NOTIFY do.
LRESULT CALLBACK staticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (typeOf(control) == SS_ICON) loadIconFromText(control, *reinterpret_cast<CREATESTRUCTW*>(lParam));
        return 0;
    case STM_SETICON: {
        LONG_PTR previous = SetWindowLongW(control, staticIconOffset, static_cast<LONG_PTR>(wParam));
        InvalidateRect(control, nullptr, TRUE);
        return previous;
    }
    case STM_GETICON:
        return GetWindowLongW(control, staticIconOffset);
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(control, message, wParam, lParam);
        InvalidateRect(control, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        InvalidateRect(control, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        SetWindowLongW(control, staticFontOffset, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(control, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongW(control, staticFontOffset);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole control
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(control, &paint);
        if (dc) paintStatic(control, dc);
        EndPaint(control, &paint);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(control, message, wParam, lParam);
}

}  // namespace ce
