// The colour test: the whole screen in one colour, the next colour on every
// tap, closed by the sixteenth tap.
#pragma once

#include "StdAfx.h"

class CColorDlg : public CDialog {
public:
    explicit CColorDlg(CWnd* pParent = NULL);

protected:
    // Taps so far; the colour shown is kTestColors[m_nStep % 8].
    int m_nStep;

    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // Fills the screen from its top-left corner with the size of the client
    // area, whatever lies there.
    void FillScreen(CDC& screen);
};

extern const COLORREF kTestColors[8];
