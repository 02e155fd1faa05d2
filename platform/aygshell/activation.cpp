// SHHandleWMActivate and SHHandleWMSettingChange: each window keeps its own
// input-panel state in its SHACTIVATEINFO across activations.
#include "aygshell/input_panel.h"
#include "aygshell/shell_windows.h"

#include <aygshell.h>

using namespace ce::aygshell;

namespace {

bool validRecord(HWND hwnd, const SHACTIVATEINFO* psai) {
    if (psai && psai->cbSize == sizeof(SHACTIVATEINFO) && IsWindow(hwnd)) return true;
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

}  // namespace

// SHHandleWMActivate: on deactivation saves the panel state and the focus;
// on activation puts the panel back as it was when the window lost
// activation (a window never deactivated finds it lowered).
extern "C" BOOL WINAPI SHHandleWMActivate(HWND hwnd, WPARAM wParam, LPARAM, SHACTIVATEINFO* psai, DWORD) {
    if (!validRecord(hwnd, psai)) return FALSE;
    InputPanel& panel = InputPanel::current();
    if (LOWORD(wParam) == WA_INACTIVE) {
        psai->fSipOnDeactivation = panel.raised() ? 1 : 0;
        HWND focus = GetFocus();
        psai->hwndLastFocus = (focus && (focus == hwnd || IsChild(hwnd, focus))) ? focus : nullptr;
        psai->fActive = 0;
    } else {
        panel.setRaised(psai->fSipOnDeactivation != 0);
        psai->fSipUp = psai->fSipOnDeactivation;
        psai->fActive = 1;
    }
    requestTaskbarRefresh();
    return TRUE;
}

// SHHandleWMSettingChange: on an input-panel change (SPI_SETSIPINFO) records
// the panel's new state; other settings need nothing from the shell library.
extern "C" BOOL WINAPI SHHandleWMSettingChange(HWND hwnd, WPARAM wParam, LPARAM, SHACTIVATEINFO* psai) {
    if (!validRecord(hwnd, psai)) return FALSE;
    if (wParam == SPI_SETSIPINFO) psai->fSipUp = InputPanel::current().raised() ? 1 : 0;
    return TRUE;
}
