// CWnd: a framework object attached to a platform window. One static window
// procedure (AfxWndProc) finds the object for a handle and dispatches the
// message through the object's message map; unhandled messages go to the
// window's previous procedure or the platform's default one.
#pragma once

#include "afx/command_target.h"
#include "afx/geometry.h"

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // --- handle map ---
    // The object for hWnd; an unknown window gets a temporary object that
    // the framework frees when its thread next goes idle.
    static CWnd* FromHandle(HWND hWnd);
    // Only an object attached with Attach or created by the framework.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // On Windows CE the framework's desktop object is no window: centring
    // over it is centring over no alternate owner.
    static CWnd* GetDesktopWindow();

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Attaches and routes the window's messages through the framework.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    // --- window operations (thin wrappers of the platform calls) ---
    virtual BOOL DestroyWindow();
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL ShowWindow(int nCmdShow);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL SetForegroundWindow();
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    // Runs one message through this object (map, then default processing).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Default processing of the message being handled now.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Called after the window's last message; the object is detached.
    virtual void PostNcDestroy();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    // The procedure the window had before the framework subclassed it.
    WNDPROC m_pfnSuper;

    DECLARE_MESSAGE_MAP()

private:
    void OnFinalMessage();
    friend LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The framework's one window procedure.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Dispatches one message to pWnd, keeping it as the current message for Default.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
