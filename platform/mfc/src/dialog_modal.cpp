// CDialog::DoModal: template, owner, creation, the modal loop and the end.
#include <afxwin.h>

#include "handle_map.h"
#include "thread_state.h"

HWND CDialog::ResolveOwner() const {
    if (m_pParentWnd != nullptr) return m_pParentWnd->m_hWnd;
    CWnd* mainWindow = AfxGetMainWnd();
    if (mainWindow == nullptr || mainWindow->m_hWnd == nullptr) return nullptr;
    HWND active = ::GetActiveWindow();
    return active != nullptr ? active : mainWindow->m_hWnd;
}

int CDialog::DoModal() {
    HINSTANCE resource = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(resource, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(resource, found) : nullptr;
    auto dialogTemplate = loaded != nullptr ? (LPCDLGTEMPLATE)::LockResource(loaded) : nullptr;
    if (dialogTemplate == nullptr) return -1;

    HWND owner = ResolveOwner();
    BOOL enableOwner = FALSE;
    if (owner != nullptr && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = TRUE;
    }

    m_nModalResult = -1;
    m_bInModalRun = TRUE;
    m_bContinueModal = TRUE;
    AfxThreadState& state = AfxGetThreadState();
    state.dialogBeingCreated = this;
    HWND created = ::CreateDialogIndirectParamW(resource, dialogTemplate, owner, &AfxDlgProc, 0);
    state.dialogBeingCreated = nullptr;
    // A dialog manager that sent nothing to the dialog procedure.
    if (created != nullptr && m_hWnd == nullptr) SubclassWindow(created);

    if (created != nullptr && m_bContinueModal) RunModalLoop();
    EndModalRun(owner, enableOwner);
    m_bInModalRun = FALSE;
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    BOOL showOnIdle = TRUE;
    MSG message;
    while (m_bContinueModal) {
        if (showOnIdle && !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            // The first empty queue: a dialog made hidden is shown now.
            showOnIdle = FALSE;
            if ((GetStyle() & WS_VISIBLE) == 0) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
            }
            AfxDeleteTemporaryWindows();
            continue;
        }
        if (!::GetMessageW(&message, nullptr, 0, 0)) {
            // WM_QUIT ends the run and stays for the outer loop.
            ::PostQuitMessage((int)message.wParam);
            m_nModalResult = -1;
            break;
        }
        if (!::IsDialogMessageW(m_hWnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) break;
    }
    m_bContinueModal = FALSE;
}

void CDialog::EndModalRun(HWND hWndOwner, BOOL bEnableOwner) {
    const bool wasActive = m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (m_pWndEmptyCB != nullptr) {
        m_pWndEmptyCB->DestroyWindow();
        delete m_pWndEmptyCB;
        m_pWndEmptyCB = nullptr;
    }
    if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && wasActive) ::SetActiveWindow(hWndOwner);
    DestroyWindow();
}
