// Exported message calls.
#include "window/window_manager.h"

using ce::WindowManager;

// SendMessageW: same thread calls the procedure; another thread's window waits for its reply (0 if it goes away first).
extern "C" LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return WindowManager::current().send(hWnd, Msg, wParam, lParam);
}

// PostMessageW: a NULL window posts a thread message to the calling thread.
extern "C" BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return WindowManager::current().post(hWnd, Msg, wParam, lParam);
}

// PostThreadMessageW: a message with no window for that thread's queue.
extern "C" BOOL WINAPI PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return WindowManager::current().postToThread(idThread, Msg, wParam, lParam);
}

// PostQuitMessage: WM_QUIT comes once every posted message has been retrieved.
extern "C" void WINAPI PostQuitMessage(int nExitCode) { WindowManager::current().postQuit(nExitCode); }

// GetMessageW: waits; FALSE for WM_QUIT, -1 for a bad window filter.
extern "C" BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (!lpMsg) return -1;
    return WindowManager::current().retrieve(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE, true);
}

// PeekMessageW: never waits; WM_PAINT is not removed, it comes back until the window is validated.
extern "C" BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (!lpMsg) return FALSE;
    return WindowManager::current().retrieve(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg, false) == 1
               ? TRUE
               : FALSE;
}

// TranslateMessage: pen input produces no character messages, so there is nothing to translate.
extern "C" BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

// DispatchMessageW: calls the window's procedure; only for windows of the calling thread.
extern "C" LRESULT WINAPI DispatchMessageW(const MSG* lpMsg) { return WindowManager::current().dispatch(lpMsg); }

// WaitMessage: returns once the queue has something (sent messages are handled meanwhile).
extern "C" BOOL WINAPI WaitMessage() { return WindowManager::current().waitMessage(); }

// InSendMessage: whether the current message was sent by another thread.
extern "C" BOOL WINAPI InSendMessage() { return WindowManager::current().inSendMessage() ? TRUE : FALSE; }

// GetMessagePos: screen position of the pen when the last message was posted, x in the low word.
extern "C" DWORD WINAPI GetMessagePos() {
    POINT position = WindowManager::current().messagePosition();
    return static_cast<DWORD>(MAKELONG(position.x, position.y));
}

// GetMessageTime: tick count when the last retrieved message was posted.
extern "C" LONG WINAPI GetMessageTime() { return static_cast<LONG>(WindowManager::current().messageTime()); }

// CallWindowProcW: a NULL procedure gives 0.
extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return WindowManager::callProcedure(lpPrevWndFunc, hWnd, Msg, wParam, lParam);
}
