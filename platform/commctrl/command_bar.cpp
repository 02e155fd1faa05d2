// The command bar: a strip across the top of its parent's client area.
#include "command_bar_class.h"

#include <commctrl.h>

namespace ce::commctrl {

namespace {

constexpr COLORREF kBarColour = RGB(192, 192, 192);
constexpr COLORREF kEdgeColour = RGB(128, 128, 128);

LRESULT CALLBACK CommandBarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(bar, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(bar, &paint);
    RECT client{};
    GetClientRect(bar, &client);
    HBRUSH face = CreateSolidBrush(kBarColour);
    FillRect(dc, &client, face);
    DeleteObject(face);
    RECT edge{client.left, client.bottom - 1, client.right, client.bottom};
    HBRUSH line = CreateSolidBrush(kEdgeColour);
    FillRect(dc, &edge, line);
    DeleteObject(line);
    EndPaint(bar, &paint);
    return 0;
}

}  // namespace

void registerCommandBarClass() {
    WNDCLASSW commandBar{};
    commandBar.style = CS_GLOBALCLASS;
    commandBar.lpfnWndProc = CommandBarProcedure;
    commandBar.lpszClassName = kCommandBarClass;
    RegisterClassW(&commandBar);
}

}  // namespace ce::commctrl

// CommandBar_Create: a visible child bar, CMDBAR_HEIGHT high, across the top
// of hwndParent's client area, with idCmdBar as its control id.
extern "C" HWND WINAPI CommandBar_Create(HINSTANCE hInst, HWND hwndParent, int idCmdBar) {
    if (!IsWindow(hwndParent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    ce::commctrl::registerCommandBarClass();
    RECT client{};
    GetClientRect(hwndParent, &client);
    return CreateWindowExW(0, ce::commctrl::kCommandBarClass, u"", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                           CMDBAR_HEIGHT, hwndParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idCmdBar)), hInst,
                           nullptr);
}

// CommandBar_Show: shows or hides the bar (any bar window, including a shell
// menu bar that stands in for it); FALSE only for a handle that is no window.
extern "C" BOOL WINAPI CommandBar_Show(HWND hwndCB, BOOL fShow) {
    if (!IsWindow(hwndCB)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ShowWindow(hwndCB, fShow ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

// CommandBar_Height: the height of the bar's window rectangle; 0 for no window.
extern "C" int WINAPI CommandBar_Height(HWND hwndCB) {
    RECT bounds{};
    if (!GetWindowRect(hwndCB, &bounds)) return 0;
    return bounds.bottom - bounds.top;
}

// CommandBar_IsVisible: whether the bar is shown (IsWindowVisible).
extern "C" BOOL WINAPI CommandBar_IsVisible(HWND hwndCB) { return IsWindowVisible(hwndCB); }
