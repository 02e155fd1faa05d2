// CWinApp: the program's one application object. Its constructor registers
// it with the framework; the framework's WinMain runs it.
#pragma once

#include <string>

#include "afx/win_thread.h"

class CWinApp : public CWinThread {
public:
    // lpszAppName NULL: the framework names the application after its
    // executable.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Framework set-up from the entry arguments (AfxWinInit).
    void SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::u16string m_appName;
    std::u16string m_exeName;
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

// Framework entry steps, as the framework's WinMain runs them.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AfxWinTerm();
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
