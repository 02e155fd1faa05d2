// Common controls library (commctrl): the command bar.
#pragma once

#include <windows.h>

#define ICC_BAR_CLASSES 0x00000004
#define CMDBAR_HEIGHT 26

typedef struct tagINITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

extern "C" {

void WINAPI InitCommonControls();
BOOL WINAPI InitCommonControlsEx(LPINITCOMMONCONTROLSEX lpInitCtrls);
HWND WINAPI CommandBar_Create(HINSTANCE hInst, HWND hwndParent, int idCmdBar);
BOOL WINAPI CommandBar_Show(HWND hwndCB, BOOL fShow);
int WINAPI CommandBar_Height(HWND hwndCB);
BOOL WINAPI CommandBar_IsVisible(HWND hwndCB);

}  // extern "C"

#define CommandBar_Destroy(hwndCB) DestroyWindow(hwndCB)
