// The map from window handles to framework objects. Module-wide: the
// framework lives inside each program image, so every process has its own.
#pragma once

#include <windows.h>

class CWnd;

void AfxMapWindow(HWND hWnd, CWnd* pWnd);
void AfxUnmapWindow(HWND hWnd);
CWnd* AfxLookupPermanentWindow(HWND hWnd);
// A temporary object for a window nobody attached; freed by AfxDeleteTemporaryWindows.
CWnd* AfxTemporaryWindow(HWND hWnd);
void AfxDeleteTemporaryWindows();
