// The launcher: title, credits and the "Start Check" and "Exit" buttons.
#pragma once

#include "StdAfx.h"

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CWnd* pParent = NULL);

protected:
    HICON m_hIcon;

    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnStartCheck();
    afx_msg void OnExit();

    DECLARE_MESSAGE_MAP()
};
