#include "MainDlg.h"

#include "ColorDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
ON_WM_PAINT()
ON_BN_CLICKED(IDC_START_CHECK, OnStartCheck)
ON_BN_CLICKED(IDC_EXIT, OnExit)
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent) {
    // A resource icon: never destroyed.
    m_hIcon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_APP));
}

BOOL CMainDlg::OnInitDialog() {
    // The full-screen setting stays on: foreground, Done button, full screen.
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    CenterWindow(CWnd::GetDesktopWindow());
    return TRUE;
}

void CMainDlg::OnPaint() { Default(); }

void CMainDlg::OnStartCheck() {
    HWND taskbar = ::FindWindow(TEXT("HHTaskBar"), NULL);
    ::ShowWindow(taskbar, SW_HIDE);
    {
        CColorDlg dialog;
        dialog.DoModal();
        // The taskbar returns only once the test dialog's window is gone.
        ::ShowWindow(taskbar, SW_SHOW);
    }
}

void CMainDlg::OnExit() { PostMessage(WM_CLOSE, 0, 0); }
