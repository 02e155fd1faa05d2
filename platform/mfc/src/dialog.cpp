// CDialog: construction, the base OnInitDialog, commands and the shell's
// activation hand-off.
#include <afxwin.h>
#include <afxres.h>

#include "handle_map.h"
#include "thread_state.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_WM_ACTIVATE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CDialog::CDialog() : CDialog((LPCTSTR) nullptr, nullptr) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCE(nIDTemplate), pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_bFullScreen(TRUE),
      m_pWndEmptyCB(nullptr),
      m_lpszTemplateName(lpszTemplateName),
      m_pParentWnd(pParentWnd),
      m_nModalResult(-1),
      m_activationInfo{},
      m_bInModalRun(FALSE),
      m_bContinueModal(FALSE) {
    m_activationInfo.cbSize = sizeof(m_activationInfo);
}

CDialog::~CDialog() {
    if (m_pWndEmptyCB != nullptr) {
        m_pWndEmptyCB->DestroyWindow();
        delete m_pWndEmptyCB;
    }
}

BOOL CDialog::IsTopLevel() const { return (GetStyle() & WS_CHILD) == 0; }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    if (m_bFullScreen) {
        ::SetForegroundWindow(m_hWnd);
        SHINITDLGINFO info{};
        info.dwMask = SHIDIM_FLAGS;
        info.hDlg = m_hWnd;
        info.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;
        ::SHInitDialog(&info);
    }
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
    if (m_bInModalRun) {
        m_nModalResult = nResult;
        if (m_bContinueModal) {
            m_bContinueModal = FALSE;
            // Wakes the modal loop should it be waiting for a message.
            ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
        }
        return;
    }
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnActivate(UINT, CWnd*, BOOL) {
    const MSG current = AfxGetThreadState().lastSentMessage;
    Default();
    if (IsTopLevel()) ::SHHandleWMActivate(m_hWnd, current.wParam, current.lParam, &m_activationInfo, 0);
}

void CDialog::OnSettingChange(UINT, LPCTSTR) {
    const MSG current = AfxGetThreadState().lastSentMessage;
    Default();
    if (IsTopLevel()) ::SHHandleWMSettingChange(m_hWnd, current.wParam, current.lParam, &m_activationInfo);
}

void CDialog::CreateEmptyCommandBar() {
    auto* commandBar = new CCeCommandBar;
    if (commandBar->CreateMenuBar(this, AFX_IDR_EMPTY_MENUBAR, AfxGetResourceHandle())) {
        m_pWndEmptyCB = commandBar;
    } else {
        delete commandBar;
    }
}

BOOL CDialog::HandleInitDialog() {
    if (m_bInModalRun && m_pWndEmptyCB == nullptr) CreateEmptyCommandBar();
    return OnInitDialog();
}

BOOL CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    // The dialog's first message attaches the object being created and routes
    // the window through AfxWndProc; the dialog manager's own procedure stays
    // behind it for default processing, and calls back here.
    CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    AfxThreadState& state = AfxGetThreadState();
    if (dialog == nullptr && state.dialogBeingCreated != nullptr) {
        dialog = state.dialogBeingCreated;
        state.dialogBeingCreated = nullptr;
        dialog->SubclassWindow(hWnd);
    }
    if (dialog == nullptr || message != WM_INITDIALOG) return FALSE;
    return dialog->HandleInitDialog();
}
