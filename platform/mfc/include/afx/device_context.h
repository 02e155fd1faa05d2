// Device-context wrappers: CDC holds a handle; CPaintDC brackets a paint
// cycle; CWindowDC holds a window's whole-window context (or, for no window,
// the whole screen's).
#pragma once

#include "afx/geometry.h"
#include "afx/object.h"

class CWnd;

class CDC : public CObject {
public:
    CDC();
    ~CDC() override;

    HDC m_hDC;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();

    COLORREF SetBkColor(COLORREF crColor);
    COLORREF SetTextColor(COLORREF crColor);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths);
    // An opaque, empty ExtTextOut in the colour: no brush is made.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    // pWnd NULL: the whole screen.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
