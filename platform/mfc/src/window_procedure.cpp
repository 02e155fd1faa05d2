#include <afxwin.h>

#include "handle_map.h"
#include "thread_state.h"

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    AfxThreadState& state = AfxGetThreadState();
    // Messages nest (a handler sends another): Default must see its own one.
    MSG previous = state.lastSentMessage;
    state.lastSentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) pWnd->OnFinalMessage();
    state.lastSentMessage = previous;
    return result;
}
