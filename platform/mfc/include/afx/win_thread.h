// CWinThread: a user-interface thread with its main window and message loop.
#pragma once

#include "afx/command_target.h"

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWinThread();

    // The thread's main window; the framework clears it when that window's
    // handle is destroyed.
    CWnd* m_pMainWnd;
    DWORD m_nThreadID;

    virtual BOOL InitInstance();
    // The message loop; ends with ExitInstance's result on WM_QUIT.
    virtual int Run();
    // The wParam of the last message Run retrieved.
    virtual int ExitInstance();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // The message Run retrieved last; zero until Run retrieves one.
    MSG m_msgCur;

    DECLARE_MESSAGE_MAP()
};
