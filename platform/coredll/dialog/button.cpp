#include "dialog/button.h"

#include "dialog/control_drawing.h"

namespace ce {
namespace {

// Set while the pen went down on the button and has not come up yet.
constexpr LONG_PTR trackingPen = 0x100;
constexpr LONG_PTR checkBits = BST_CHECKED | 0x2;
constexpr int checkBoxSize = 12;

LONG_PTR stateOf(HWND button) { return GetWindowLongW(button, buttonStateOffset); }
void setState(HWND button, LONG_PTR state) { SetWindowLongW(button, buttonStateOffset, state); }

UINT typeOf(HWND button) { return static_cast<UINT>(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK); }

bool isPushButton(UINT type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON; }
bool hasCheck(UINT type) { return !isPushButton(type) && type != BS_GROUPBOX && type != BS_OWNERDRAW; }

void paintPushButton(HWND button, HDC dc, const RECT& client, LONG_PTR state, UINT type) {
    bool pushed = (state & BST_PUSHED) != 0;
    // The pressed look swaps face and text colours, as Pocket PC buttons do.
    controls::fillWithSystemColor(dc, client, pushed ? COLOR_BTNTEXT : COLOR_BTNFACE);
    controls::drawFrame(dc, client, type == BS_DEFPUSHBUTTON ? 2 : 1, COLOR_WINDOWFRAME);
    int textColor = pushed ? COLOR_BTNFACE : COLOR_BTNTEXT;
    if (!IsWindowEnabled(button)) textColor = COLOR_GRAYTEXT;
    SetTextColor(dc, GetSysColor(textColor));
    SetBkMode(dc, TRANSPARENT);
    std::u16string text = controls::windowText(button);
    RECT textRect = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (state & BST_FOCUS) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void paintCheckButton(HWND button, HDC dc, const RECT& client, LONG_PTR state) {
    FillRect(dc, &client, controls::backgroundFromParent(button, dc));
    int top = (client.top + client.bottom - checkBoxSize) / 2;
    RECT box{client.left, top, client.left + checkBoxSize, top + checkBoxSize};
    controls::fillWithSystemColor(dc, box, (state & BST_PUSHED) ? COLOR_BTNFACE : COLOR_WINDOW);
    controls::drawFrame(dc, box, 1, COLOR_WINDOWFRAME);
    if (state & checkBits) {
        RECT mark = box;
        InflateRect(&mark, -3, -3);
        controls::fillWithSystemColor(dc, mark, (state & BST_CHECKED) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    }
    if (!IsWindowEnabled(button)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    std::u16string text = controls::windowText(button);
    RECT textRect{box.right + 4, client.top, client.right, client.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void paintGroupBox(HWND button, HDC dc, const RECT& client) {
    FillRect(dc, &client, controls::backgroundFromParent(button, dc));
    std::u16string text = controls::windowText(button);
    SIZE textSize{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
    RECT frame{client.left, client.top + textSize.cy / 2, client.right, client.bottom};
    controls::drawFrame(dc, frame, 1, COLOR_WINDOWFRAME);
    if (!IsWindowEnabled(button)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, OPAQUE);
    RECT textRect{client.left + 8, client.top, client.right, client.top + textSize.cy};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_LEFT | DT_SINGLELINE);
}

void paintButton(HWND button, HDC dc) {
    RECT client{};
    GetClientRect(button, &client);
    HGDIOBJ oldFont = SelectObject(dc, controls::fontForDrawing(button, buttonFontOffset));
    LONG_PTR state = stateOf(button);
    UINT type = typeOf(button);
    if (isPushButton(type))
        paintPushButton(button, dc, client, state, type);
    else if (type == BS_GROUPBOX)
        paintGroupBox(button, dc, client);
    else
        paintCheckButton(button, dc, client, state);
    SelectObject(dc, oldFont);
}

void changeState(HWND button, LONG_PTR set, LONG_PTR clear) {
    LONG_PTR before = stateOf(button);
    LONG_PTR after = (before | set) & ~clear;
    if (after == before) return;
    setState(button, after);
    controls::repaintNow(button, paintButton);
}

// Auto radio buttons uncheck the other radio buttons of their group: the
// siblings between the WS_GROUP controls around this one.
void uncheckGroupSiblings(HWND button) {
    HWND first = button;
    for (HWND previous = first; previous;) {
        if (GetWindowLongW(previous, GWL_STYLE) & WS_GROUP) break;
        previous = GetWindow(previous, GW_HWNDPREV);
        if (previous) first = previous;
    }
    for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (GetWindowLongW(sibling, GWL_STYLE) & WS_GROUP)) break;
        if (sibling != button && typeOf(sibling) == BS_AUTORADIOBUTTON)
            SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void click(HWND button) {
    UINT type = typeOf(button);
    if (type == BS_AUTOCHECKBOX)
        SendMessageW(button, BM_SETCHECK, (stateOf(button) & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
    else if (type == BS_AUTO3STATE)
        SendMessageW(button, BM_SETCHECK, ((stateOf(button) & checkBits) + 1) % 3, 0);
    else if (type == BS_AUTORADIOBUTTON) {
        SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
        uncheckGroupSiblings(button);
    }
    HWND parent = GetParent(button);
    auto id = static_cast<WORD>(GetWindowLongW(button, GWL_ID));
    if (parent) SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void penDown(HWND button) {
    if (typeOf(button) == BS_GROUPBOX) return;
    if (GetFocus() != button) SetFocus(button);
    SetCapture(button);
    changeState(button, trackingPen | BST_PUSHED, 0);
}

void penMoved(HWND button, LPARAM position) {
    if (!(stateOf(button) & trackingPen)) return;
    RECT client{};
    GetClientRect(button, &client);
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (PtInRect(&client, point))
        changeState(button, BST_PUSHED, 0);
    else
        changeState(button, 0, BST_PUSHED);
}

void penUp(HWND button, LPARAM position) {
    if (!(stateOf(button) & trackingPen)) return;
    RECT client{};
    GetClientRect(button, &client);
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    // Cleared before ReleaseCapture so that WM_CAPTURECHANGED finds nothing to cancel.
    changeState(button, 0, trackingPen | BST_PUSHED);
    if (GetCapture() == button) ReleaseCapture();
    if (PtInRect(&client, point)) click(button);
}

LRESULT dialogCode(HWND button) {
    switch (typeOf(button)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

}  // namespace

// The button class's window procedure; BN_CLICKED goes to the parent only
// when the pen comes up inside the button, as on Win32.
LRESULT CALLBACK buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        penDown(button);
        return 0;
    case WM_MOUSEMOVE:
        penMoved(button, lParam);
        return 0;
    case WM_LBUTTONUP:
        penUp(button, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != button) changeState(button, 0, trackingPen | BST_PUSHED);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && typeOf(button) != BS_GROUPBOX) changeState(button, BST_PUSHED, 0);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && (stateOf(button) & BST_PUSHED) && !(stateOf(button) & trackingPen)) {
            changeState(button, 0, BST_PUSHED);
            click(button);
        }
        return 0;
    case BM_CLICK:
        // Win32 simulates a tap in the button's top-left corner.
        if (!IsWindowEnabled(button)) return 0;
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(button, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_GETSTATE:
        return stateOf(button) & (checkBits | BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE:
        if (wParam)
            changeState(button, BST_PUSHED, 0);
        else
            changeState(button, 0, BST_PUSHED);
        return 0;
    case BM_GETCHECK:
        return stateOf(button) & checkBits;
    case BM_SETCHECK:
        if (hasCheck(typeOf(button))) changeState(button, static_cast<LONG_PTR>(wParam) & checkBits,
                                                  checkBits & ~(static_cast<LONG_PTR>(wParam) & checkBits));
        return 0;
    case BM_SETSTYLE: {
        LONG_PTR style = GetWindowLongW(button, GWL_STYLE);
        SetWindowLongW(button, GWL_STYLE, (style & ~BS_TYPEMASK) | (static_cast<LONG_PTR>(wParam) & BS_TYPEMASK));
        if (LOWORD(lParam)) controls::repaintNow(button, paintButton);
        return 0;
    }
    case WM_GETDLGCODE:
        return dialogCode(button);
    case WM_SETFOCUS:
        changeState(button, BST_FOCUS, 0);
        return 0;
    case WM_KILLFOCUS:
        changeState(button, 0, BST_FOCUS | BST_PUSHED);
        return 0;
    case WM_ENABLE:
        InvalidateRect(button, nullptr, TRUE);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(button, message, wParam, lParam);
        InvalidateRect(button, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        SetWindowLongW(button, buttonFontOffset, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(button, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongW(button, buttonFontOffset);
    case WM_NCHITTEST:
        if (typeOf(button) == BS_GROUPBOX) return HTTRANSPARENT;
        break;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers the whole button
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(button, &paint);
        if (dc) paintButton(button, dc);
        EndPaint(button, &paint);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(button, message, wParam, lParam);
}

}  // namespace ce
