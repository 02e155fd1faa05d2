#include "taskbar.h"

#include <aygshell/shell_geometry.h>
#include <aygshell/shell_painting.h>
#include <aygshell/shell_windows.h>

namespace ce::shell {

namespace {

using namespace ce::aygshell;

constexpr COLORREF kTaskbarColour = RGB(0, 0, 128);
constexpr COLORREF kTitleColour = RGB(255, 255, 255);
constexpr int kTitleMargin = 6;
constexpr int kOkButtonWidth = 26;

// The window the "ok" button answers for, kept in the taskbar's user data;
// null while the foreground window has no Done button.
HWND okTarget(HWND taskbar) { return reinterpret_cast<HWND>(GetWindowLongW(taskbar, GWL_USERDATA)); }

// Takes the foreground window's title as the taskbar's own text.
void refresh(HWND taskbar) {
    HWND foreground = GetForegroundWindow();
    WCHAR title[128] = {};
    HWND target = nullptr;
    if (foreground && foreground != taskbar) {
        GetWindowTextW(foreground, title, 128);
        if (GetWindowLongW(foreground, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN) target = foreground;
    }
    SetWindowTextW(taskbar, title);
    SetWindowLongW(taskbar, GWL_USERDATA, reinterpret_cast<LONG_PTR>(target));
    InvalidateRect(taskbar, nullptr, TRUE);
}

void paint(HWND taskbar, HDC dc, const RECT& client) {
    paintLabelledArea(dc, client, kTaskbarColour, kTitleColour, nullptr);
    WCHAR title[128] = {};
    GetWindowTextW(taskbar, title, 128);
    RECT titleArea{client.left + kTitleMargin, client.top, client.right - kOkButtonWidth - kTitleMargin, client.bottom};
    drawLabel(dc, titleArea, kTitleColour, title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (okTarget(taskbar)) paintLabelledArea(dc, taskbarOkButtonRect(taskbar), kTitleColour, kTaskbarColour, u"ok");
}

void tap(HWND taskbar, LPARAM position) {
    HWND target = okTarget(taskbar);
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT button = taskbarOkButtonRect(taskbar);
    // Posted: a busy application must not stall the shell's thread.
    if (target && IsWindow(target) && PtInRect(&button, point)) PostMessageW(target, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK TaskbarProcedure(HWND taskbar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kTaskbarRefreshMessage:
        refresh(taskbar);
        return 0;
    case WM_PAINT:
        paintCycle(taskbar, [taskbar](HDC dc, const RECT& client) { paint(taskbar, dc, client); });
        return 0;
    case WM_LBUTTONDOWN:
        tap(taskbar, lParam);
        return 0;
    default:
        return shellBarDefaultProcedure(taskbar, message, wParam, lParam);
    }
}

}  // namespace

RECT taskbarOkButtonRect(HWND taskbar) {
    RECT client{};
    GetClientRect(taskbar, &client);
    return RECT{client.right - kOkButtonWidth - 2, client.top + 3, client.right - 2, client.bottom - 3};
}

HWND createTaskbar() {
    WNDCLASSW taskbarClass{};
    taskbarClass.style = CS_GLOBALCLASS;
    taskbarClass.lpfnWndProc = TaskbarProcedure;
    taskbarClass.lpszClassName = kTaskbarClass;
    RegisterClassW(&taskbarClass);
    RECT area = taskbarRect();
    HWND taskbar = CreateWindowExW(WS_EX_TOPMOST, kTaskbarClass, u"", WS_POPUP, area.left, area.top,
                                   area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(taskbar, SW_SHOWNA);
    return taskbar;
}

}  // namespace ce::shell
