#include <afxwin.h>

#include "handle_map.h"
#include "thread_state.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd() {
    // An object that still owns its window takes it down with it.
    if (m_hWnd != nullptr && AfxLookupPermanentWindow(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    if (CWnd* permanent = AfxLookupPermanentWindow(hWnd)) return permanent;
    return AfxTemporaryWindow(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return AfxLookupPermanentWindow(hWnd); }

CWnd* CWnd::GetDesktopWindow() {
    static CWnd desktop;
    return &desktop;
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == nullptr || m_hWnd != nullptr) return FALSE;
    m_hWnd = hWndNew;
    AfxMapWindow(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && AfxLookupPermanentWindow(hWnd) == this) AfxUnmapWindow(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = (WNDPROC)::SetWindowLongW(hWnd, GWL_WNDPROC, (LONG_PTR)&AfxWndProc);
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper != nullptr) ::SetWindowLongW(m_hWnd, GWL_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::OnFinalMessage() {
    // The main window's object usually lives on a stack frame that is about
    // to end: nothing may reach it through the thread after this.
    CWinThread* thread = AfxGetThread();
    if (thread != nullptr && thread->m_pMainWnd == this) thread->m_pMainWnd = nullptr;
    Detach();
    m_pfnSuper = nullptr;
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 0;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& current = AfxGetThreadState().lastSentMessage;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

void CWnd::OnPaint() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
