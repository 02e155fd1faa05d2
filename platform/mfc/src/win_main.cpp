// The program entry the framework gives every program image.
#include <afxwin.h>

#include "handle_map.h"
#include "single_instance.h"

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    int result = -1;
    CWinApp* application = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !application->InitApplication() ||
        AfxActivateRunningCopy()) {
        AfxWinTerm();
        return -1;
    }
    if (!application->InitInstance()) {
        // Still set only when the program kept its main window alive.
        if (application->m_pMainWnd != nullptr) application->m_pMainWnd->DestroyWindow();
        result = application->ExitInstance();
    } else {
        result = application->Run();
    }
    AfxWinTerm();
    return result;
}

// The framework registers no window classes of its own (dialogs use the
// dialog manager's class), so termination frees only its own state.
void AfxWinTerm() {
    AfxDeleteTemporaryWindows();
    AfxReleaseRunningMark();
}

extern "C" __attribute__((visibility("default"))) int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance,
                                                              LPWSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
