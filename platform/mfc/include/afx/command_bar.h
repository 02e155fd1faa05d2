// CCeCommandBar: the framework's object for a shell menu bar (command bar)
// that belongs to a window.
#pragma once

#include "afx/window.h"

class CCeCommandBar : public CWnd {
public:
    // Makes the shell menu bar for pParent from menu-bar resource
    // nToolBarId in hResource and attaches this object to it.
    BOOL CreateMenuBar(CWnd* pParent, UINT nToolBarId, HINSTANCE hResource, DWORD dwFlags = 0);
};
