#include <afxwin.h>

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_nThreadID(0), m_msgCur{} {}

BOOL CWinThread::InitInstance() { return TRUE; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    // Keyboard navigation for a dialog serving as the main window.
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) return ::IsDialogMessageW(m_pMainWnd->m_hWnd, pMsg);
    return FALSE;
}

int CWinThread::Run() {
    while (::GetMessageW(&m_msgCur, nullptr, 0, 0)) {
        if (!PreTranslateMessage(&m_msgCur)) {
            ::TranslateMessage(&m_msgCur);
            ::DispatchMessageW(&m_msgCur);
        }
    }
    return ExitInstance();
}

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }
