// The shell's menu bar: a top-level bar at the bottom of the screen, owned
// by the window it serves, so that the window tree alone says whose bar it is.
#include "aygshell/shell_geometry.h"
#include "aygshell/shell_painting.h"
#include "aygshell/shell_windows.h"

#include <aygshell.h>

namespace ce::aygshell {

namespace {

constexpr COLORREF kMenuBarColour = RGB(40, 56, 88);
constexpr COLORREF kSoftKeyTextColour = RGB(255, 255, 255);

// The bar's window text holds its soft-key labels, left and right, separated
// by a tab; an empty bar has no text.
void paintMenuBar(HWND bar, HDC dc, const RECT& client) {
    paintLabelledArea(dc, client, kMenuBarColour, kSoftKeyTextColour, nullptr);

    WCHAR text[128] = {};
    GetWindowTextW(bar, text, 128);
    WCHAR* rightLabel = nullptr;
    for (WCHAR* cursor = text; *cursor; ++cursor)
        if (*cursor == u'\t') {
            *cursor = 0;
            rightLabel = cursor + 1;
            break;
        }
    int third = (client.right - client.left) / 3;
    RECT left{client.left, client.top, client.left + third, client.bottom};
    RECT right{client.right - third, client.top, client.right, client.bottom};
    drawLabel(dc, left, kSoftKeyTextColour, text);
    drawLabel(dc, right, kSoftKeyTextColour, rightLabel);
}

}  // namespace

LRESULT CALLBACK MenuBarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintCycle(bar, [bar](HDC dc, const RECT& client) { paintMenuBar(bar, dc, client); });
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(bar, message, wParam, lParam);
        InvalidateRect(bar, nullptr, TRUE);
        return result;
    }
    default:
        // Tapping a bar must not take activation from the window it serves.
        return shellBarDefaultProcedure(bar, message, wParam, lParam);
    }
}

}  // namespace ce::aygshell

using namespace ce::aygshell;

// SHCreateMenuBar: creates the bar for hwndParent at the bottom of the screen;
// the bar carries its own input-panel button unless the shell keeps one
// screen-wide. The menu resource is not read: the bar starts without labels.
extern "C" BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmbi) {
    if (!pmbi || pmbi->cbSize != sizeof(SHMENUBARINFO) || !IsWindow(pmbi->hwndParent)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    registerShellClasses();
    RECT area = menuBarRect();
    HWND bar = CreateWindowExW(0, kMenuBarClass, u"", WS_POPUP, area.left, area.top, area.right - area.left,
                               area.bottom - area.top, pmbi->hwndParent, nullptr, nullptr, nullptr);
    if (!bar) return FALSE;
    if (!(pmbi->dwFlags & SHCMBF_HIDESIPBUTTON) && !findScreenInputPanelButton()) {
        int width = area.right - area.left;
        CreateWindowExW(0, kInputPanelButtonClass, u"", WS_CHILD | WS_VISIBLE, (width - kInputPanelButtonWidth) / 2,
                        0, kInputPanelButtonWidth, kMenuBarHeight, bar, nullptr, nullptr, nullptr);
    }
    // Shown without activation: the bar must not take the foreground from its owner.
    if (!(pmbi->dwFlags & SHCMBF_HIDDEN)) ShowWindow(bar, SW_SHOWNA);
    pmbi->hwndMB = bar;
    return TRUE;
}

// SHFindMenuBar: the menu bar created for hwnd, found among the top-level
// windows by its owner; null when hwnd has none.
extern "C" HWND WINAPI SHFindMenuBar(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    HWND anyBar = FindWindowW(kMenuBarClass, nullptr);
    if (!anyBar) return nullptr;
    for (HWND window = GetWindow(anyBar, GW_HWNDFIRST); window; window = GetWindow(window, GW_HWNDNEXT))
        if (GetWindow(window, GW_OWNER) == hwnd && hasClass(window, kMenuBarClass)) return window;
    return nullptr;
}
