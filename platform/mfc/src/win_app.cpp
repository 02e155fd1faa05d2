// The application object and the framework's module-wide state. The
// framework is linked into each program image and every process loads its
// own copy of the image, so this state exists once per process.
#include <afxwin.h>

namespace {

CWinApp* currentApplication = nullptr;
HINSTANCE instanceHandle = nullptr;
HINSTANCE resourceHandle = nullptr;

// "\Program Files\Hueprobe.exe" -> "Hueprobe"
std::u16string BaseNameWithoutExtension(const std::u16string& path) {
    size_t start = path.find_last_of(u"\\/");
    start = start == std::u16string::npos ? 0 : start + 1;
    size_t end = path.find_last_of(u'.');
    if (end == std::u16string::npos || end < start) end = path.size();
    return path.substr(start, end - start);
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

// Registration only: the program's static initialisers may run while the
// image is being loaded, before any platform call is safe.
CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_pszExeName(nullptr), m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(0) {
    currentApplication = this;
}

CWinApp::~CWinApp() {
    if (currentApplication == this) currentApplication = nullptr;
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

void CWinApp::SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow) {
    m_hInstance = hInstance;
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;
    m_nThreadID = ::GetCurrentThreadId();

    WCHAR path[MAX_PATH] = {};
    ::GetModuleFileNameW(hInstance, path, MAX_PATH);
    m_exeName = BaseNameWithoutExtension(path);
    m_pszExeName = m_exeName.c_str();
    if (m_pszAppName == nullptr) {
        m_appName = m_exeName;
        m_pszAppName = m_appName.c_str();
    }
}

CWinApp* AfxGetApp() { return currentApplication; }
CWinThread* AfxGetThread() { return currentApplication; }

CWnd* AfxGetMainWnd() {
    CWinThread* thread = AfxGetThread();
    return thread != nullptr ? thread->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() { return instanceHandle; }
HINSTANCE AfxGetResourceHandle() { return resourceHandle; }
void AfxSetResourceHandle(HINSTANCE hInstResource) { resourceHandle = hInstResource; }

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
    CWinApp* application = AfxGetApp();
    if (application == nullptr) {
        ::OutputDebugStringW(u"Framework: the image has no application object\r\n");
        return FALSE;
    }
    instanceHandle = hInstance;
    resourceHandle = hInstance;
    application->SetCurrentHandles(hInstance, lpCmdLine, nCmdShow);
    return TRUE;
}
