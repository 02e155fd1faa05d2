#include "Hueprobe.h"

#include "MainDlg.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
END_MESSAGE_MAP()

CTestApp::CTestApp() {}

CTestApp::~CTestApp() {}

// The one application object; its base constructor registers it.
CTestApp theApp;

BOOL CTestApp::InitInstance() {
    CMainDlg dialog;
    m_pMainWnd = &dialog;
    // Every way of closing the launcher leads to the same end.
    dialog.DoModal();
    return FALSE;
}
