// CDialog: a dialog from a resource template, run modally by DoModal with
// the Pocket PC treatment (full screen, empty command bar, shell activation
// hand-off).
#pragma once

#include <aygshell.h>

#include "afx/command_bar.h"
#include "afx/window.h"

// Direction and outcome of a dialog's data exchange.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // Marks the exchange as failed; UpdateData then returns FALSE.
    void Fail() { m_bFailed = TRUE; }
    BOOL Failed() const { return m_bFailed; }

private:
    BOOL m_bFailed = FALSE;
};

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog to its end; the value given to EndDialog, or -1 when
    // the template is missing or the window could not be made.
    virtual int DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();

    // While on, the base OnInitDialog brings the dialog forward and makes it
    // full screen with a Done button and the input panel down.
    BOOL m_bFullScreen;
    // The empty command bar the framework gives the dialog during a modal
    // run; NULL outside one or when the shell could not make it.
    CCeCommandBar* m_pWndEmptyCB;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    LPCTSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;
    int m_nModalResult;
    // The shell's input-panel state for this dialog across activations.
    SHACTIVATEINFO m_activationInfo;

    DECLARE_MESSAGE_MAP()

private:
    HWND ResolveOwner() const;
    void RunModalLoop();
    void EndModalRun(HWND hWndOwner, BOOL bEnableOwner);
    void CreateEmptyCommandBar();
    BOOL HandleInitDialog();
    BOOL IsTopLevel() const;

    BOOL m_bInModalRun;
    BOOL m_bContinueModal;

    friend BOOL CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The dialog procedure the framework gives every dialog it creates.
BOOL CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
