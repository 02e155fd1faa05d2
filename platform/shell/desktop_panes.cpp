#include "desktop_panes.h"

#include <aygshell/shell_painting.h>
#include <aygshell/shell_windows.h>

#include <algorithm>

namespace ce::shell {

namespace {

constexpr COLORREF kContainerColour = RGB(255, 255, 255);
constexpr COLORREF kContentColour = RGB(220, 232, 255);
constexpr COLORREF kContentTextColour = RGB(0, 0, 160);
constexpr COLORREF kStripColour = RGB(0, 120, 80);
constexpr COLORREF kStripTextColour = RGB(255, 255, 255);
constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE;

HWND childOfClass(HWND parent, const WCHAR* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (aygshell::hasClass(child, className)) return child;
    return nullptr;
}

LRESULT CALLBACK ContainerProcedure(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        layOutPanes(container);
        return 0;
    case WM_PAINT:
        aygshell::paintWindowWithText(container, kContainerColour, kContainerColour);
        return 0;
    default:
        return DefWindowProcW(container, message, wParam, lParam);
    }
}

LRESULT CALLBACK ContentPaneProcedure(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(pane, message, wParam, lParam);
    aygshell::paintWindowWithText(pane, kContentColour, kContentTextColour);
    return 0;
}

LRESULT CALLBACK StripPaneProcedure(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(pane, message, wParam, lParam);
    aygshell::paintWindowWithText(pane, kStripColour, kStripTextColour);
    return 0;
}

void registerPaneClass(const WCHAR* name, WNDPROC procedure) {
    WNDCLASSW paneClass{};
    paneClass.lpfnWndProc = procedure;
    paneClass.lpszClassName = name;
    RegisterClassW(&paneClass);
}

HWND createChild(const WCHAR* className, const WCHAR* text, HWND parent, DWORD extraStyle = 0) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | extraStyle, 0, 0, 0, 0, parent, nullptr,
                           nullptr, nullptr);
}

}  // namespace

DesktopPanes createDesktopPanes(HWND desktop) {
    registerPaneClass(kContainerClass, ContainerProcedure);
    registerPaneClass(kContentPaneClass, ContentPaneProcedure);
    registerPaneClass(kStripPaneClass, StripPaneProcedure);
    DesktopPanes panes;
    panes.container = createChild(kContainerClass, u"", desktop, WS_CLIPCHILDREN);
    panes.contentPane = createChild(kContentPaneClass, u"Today", panes.container);
    panes.stripPane = createChild(kStripPaneClass, u"Status", panes.container);
    // The strip must come first among the container's children.
    SetWindowPos(panes.stripPane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    layOutContainer(desktop);
    return panes;
}

void layOutContainer(HWND desktop) {
    HWND container = childOfClass(desktop, kContainerClass);
    if (!container) return;
    RECT client{};
    GetClientRect(desktop, &client);
    SetWindowPos(container, nullptr, 0, 0, client.right, client.bottom, kPlaceOnly);
    layOutPanes(container);
}

void layOutPanes(HWND container) {
    RECT client{};
    GetClientRect(container, &client);
    int stripTop = client.bottom - kStripHeight;
    if (HWND strip = childOfClass(container, kStripPaneClass))
        SetWindowPos(strip, nullptr, 0, stripTop, client.right, kStripHeight, kPlaceOnly);
    if (HWND content = childOfClass(container, kContentPaneClass))
        SetWindowPos(content, nullptr, 0, 0, client.right, std::max(stripTop, 0), kPlaceOnly);
}

}  // namespace ce::shell
