#include <afxext.h>

BOOL CCeCommandBar::CreateMenuBar(CWnd* pParent, UINT nToolBarId, HINSTANCE hResource, DWORD dwFlags) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof(info);
    info.hwndParent = pParent->m_hWnd;
    info.dwFlags = dwFlags;
    info.nToolBarId = nToolBarId;
    info.hInstRes = hResource;
    if (!::SHCreateMenuBar(&info) || info.hwndMB == nullptr) return FALSE;
    return Attach(info.hwndMB);
}
