// The application class of Hueprobe.
#pragma once

#include "StdAfx.h"

class CTestApp : public CWinApp {
public:
    CTestApp();
    ~CTestApp() override;

    // Runs the launcher to its end; FALSE, so no message loop follows.
    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
