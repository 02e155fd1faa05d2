#include "layout.h"

#include "hook_state.h"

#include <aygshell.h>

void MoveBarOffScreen() {
    HWND menuBar = HookState.menuBar.load(std::memory_order_acquire);
    RECT bar{};
    GetWindowRect(menuBar, &bar);
    // The bar keeps its own size: only its position matters, and a top edge
    // at the screen height puts all of it below the visible screen.
    MoveWindow(menuBar, bar.left, GetSystemMetrics(SM_CYSCREEN), bar.right - bar.left, bar.bottom - bar.top, TRUE);
}

void FitDesktopToScreen(HWND window) {
    SetWindowPos(window, NULL, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
    SHFullScreen(window, SHFS_HIDESIPBUTTON);
}

void LayoutFillPane() {
    HWND anchorPane = HookState.anchorPane.load(std::memory_order_acquire);
    HWND fillPane = HookState.fillPane.load(std::memory_order_acquire);

    int bottom = GetSystemMetrics(SM_CYSCREEN);
    if (IsWindowVisible(anchorPane)) {
        RECT anchor{};
        GetWindowRect(anchorPane, &anchor);
        bottom = anchor.top;
    }

    RECT fill{};
    GetWindowRect(fillPane, &fill);
    // A negative height would come from an anchor above the pane's top;
    // an empty pane is the honest result.
    int height = bottom > fill.top ? bottom - fill.top : 0;

    // The rectangle is in screen coordinates but SetWindowPos places a child
    // in its parent's client coordinates; converting keeps the pane's
    // top-left corner where it is wherever the parent's client area begins.
    POINT topLeft{fill.left, fill.top};
    if (GetWindowLong(fillPane, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(fillPane), &topLeft);

    SetWindowPos(fillPane, NULL, topLeft.x, topLeft.y, GetSystemMetrics(SM_CXSCREEN), height, SWP_NOZORDER);
}
