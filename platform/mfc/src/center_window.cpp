// CWnd::CenterWindow: over the owner (or an alternate owner), else over the
// screen; moved back inside the screen where it would stick out.
#include <afxwin.h>

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
    const bool child = (GetStyle() & WS_CHILD) != 0;
    if (hWndCenter == nullptr) hWndCenter = child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);

    RECT area;
    RECT centerOn;
    if (child) {
        ::GetClientRect(hWndCenter, &area);
        centerOn = area;
    } else {
        ::SetRect(&area, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
        // A hidden owner gives no useful position.
        if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter))
            ::GetWindowRect(hWndCenter, &centerOn);
        else
            centerOn = area;
    }

    RECT window;
    GetWindowRect(&window);
    if (child) ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), (LPPOINT)&window, 2);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int left = (centerOn.left + centerOn.right) / 2 - width / 2;
    int top = (centerOn.top + centerOn.bottom) / 2 - height / 2;

    if (left < area.left)
        left = area.left;
    else if (left + width > area.right)
        left = area.right - width;
    if (top < area.top)
        top = area.top;
    else if (top + height > area.bottom)
        top = area.bottom - height;

    SetWindowPos(nullptr, left, top, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
