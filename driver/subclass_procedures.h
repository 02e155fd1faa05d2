// The window procedures the driver puts in front of the shell's own on the
// desktop window and the anchor pane, and their installation and removal.
#pragma once

#include <windows.h>

LRESULT CALLBACK DesktopSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AnchorSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Runs once, on the worker thread: desktop window first, then anchor pane.
void InstallProcedures();
// Gives both windows the procedures saved by InstallProcedures back; a
// window whose previous procedure is not saved yet is left alone.
void RestoreProcedures();

// Before the module's code goes away: restores the procedures and waits
// until no call of a subclass procedure is still running on another thread.
void RetireProcedures();
