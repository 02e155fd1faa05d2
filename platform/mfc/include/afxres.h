// Identifiers shared by the framework and program resource scripts.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The framework's one-entry menu bar, from which every dialog in a modal
// run gets its empty command bar. Programs include afxframework.rc in their
// resource script so that the resource travels in their image.
#define AFX_IDR_EMPTY_MENUBAR 0x7F00
