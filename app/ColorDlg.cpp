#include "ColorDlg.h"

#include "resource.h"

const COLORREF kTestColors[8] = {
    0x00FF0000,  // blue
    0x000000FF,  // red
    0x0000FF00,  // green
    0x0000FFFF,  // yellow
    0x00FF00FF,  // magenta
    0x00FFFF00,  // cyan
    0x00FFFFFF,  // white
    0x00000000,  // black
};

namespace {
// Height of the taskbar strip the dialog grows over.
const int kTaskbarHeight = 26;
const int kTapsPerTest = 16;
}  // namespace

BEGIN_MESSAGE_MAP(CColorDlg, CDialog)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CColorDlg::CColorDlg(CWnd* pParent) : CDialog(IDD_COLOR, pParent) { m_nStep = 0; }

BOOL CColorDlg::OnInitDialog() {
    // Off before the base runs: this dialog goes full screen its own way.
    m_bFullScreen = FALSE;
    CDialog::OnInitDialog();

    SHINITDLGINFO info;
    info.dwMask = SHIDIM_FLAGS;
    info.hDlg = m_hWnd;
    info.dwFlags = SHIDIF_FULLSCREENNOMENUBAR;
    SHInitDialog(&info);

    CRect rect;
    GetWindowRect(&rect);
    if (m_pWndEmptyCB != NULL) CommandBar_Show(m_pWndEmptyCB->m_hWnd, FALSE);
    // Right and bottom edges, not width and height: the window reaches past
    // the screen's bottom by its own top offset.
    MoveWindow(rect.left, rect.top - kTaskbarHeight, rect.right, rect.bottom + kTaskbarHeight, TRUE);
    ::SetForegroundWindow(m_hWnd);
    SHFullScreen(m_hWnd, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON);
    return TRUE;
}

void CColorDlg::FillScreen(CDC& screen) {
    CRect client;
    GetClientRect(&client);
    screen.FillSolidRect(&client, kTestColors[m_nStep % 8]);
}

void CColorDlg::OnPaint() {
    CPaintDC paint(this);
    {
        CWindowDC screen(NULL);
        FillScreen(screen);
    }
}

void CColorDlg::OnLButtonDown(UINT, CPoint) {
    ++m_nStep;
    CWindowDC screen(NULL);
    // Posted, not sent: this tap still paints before the dialog closes.
    if (m_nStep == kTapsPerTest) PostMessage(WM_CLOSE, 0, 0);
    FillScreen(screen);
}
