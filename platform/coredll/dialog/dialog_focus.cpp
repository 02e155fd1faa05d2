#include "dialog/dialog_focus.h"

#include "dialog/dialog_registry.h"

#include <vector>

namespace ce {
namespace {

// Style bits, not IsWindowVisible: during WM_INITDIALOG the dialog itself is
// still hidden, yet its controls count.
bool takesTabFocus(HWND control) {
    LONG_PTR style = GetWindowLongW(control, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

std::vector<HWND> tabStops(HWND dialog) {
    std::vector<HWND> stops;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (takesTabFocus(child)) stops.push_back(child);
    return stops;
}

bool isControlOf(HWND dialog, HWND window) { return window && IsWindow(window) && IsChild(dialog, window); }

}  // namespace

HWND firstTabStop(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (takesTabFocus(child)) return child;
    return nullptr;
}

void saveDialogFocus(HWND dialog) {
    HWND focus = GetFocus();
    if (!isControlOf(dialog, focus)) return;
    DialogRegistry::current().update(dialog, [focus](DialogState& state) { state.focusControl = focus; });
}

void restoreDialogFocus(HWND dialog) {
    auto state = DialogRegistry::current().find(dialog);
    HWND target = state ? state->focusControl : nullptr;
    if (!isControlOf(dialog, target) || !IsWindowEnabled(target)) target = firstTabStop(dialog);
    if (target && GetFocus() != target) setDialogFocus(dialog, target);
    // With no control to take it, the dialog keeps the focus itself so that keys still reach it.
    if (!target && GetFocus() != dialog) SetFocus(dialog);
}

void setDialogFocus(HWND dialog, HWND control) {
    DialogRegistry::current().update(dialog, [control](DialogState& state) { state.focusControl = control; });
    SetFocus(control);
}

}  // namespace ce

// GetNextDlgTabItem: the next (or previous) WS_TABSTOP control after hCtl,
// wrapping around; with hCtl null or not a tab stop, searches from the start.
extern "C" HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!IsWindow(hDlg)) return nullptr;
    std::vector<HWND> stops = ce::tabStops(hDlg);
    if (stops.empty()) return hCtl;
    std::size_t count = stops.size();
    std::size_t index = count;
    for (std::size_t i = 0; i < count; ++i)
        if (stops[i] == hCtl) index = i;
    if (index == count) return bPrevious ? stops.back() : stops.front();
    return bPrevious ? stops[(index + count - 1) % count] : stops[(index + 1) % count];
}
