#include "dialog/dialog_units.h"

#include "dialog/dialog_font.h"
#include "dialog/dialog_registry.h"

#include <cstdint>

namespace ce {
namespace {

// value * numerator / denominator rounded half away from zero, as MulDiv does.
int scaleRounded(int value, int numerator, int denominator) {
    std::int64_t product = std::int64_t(value) * numerator;
    std::int64_t half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

int horizontalDialogUnitsToPixels(int units, const SIZE& baseUnits) { return scaleRounded(units, baseUnits.cx, 4); }

int verticalDialogUnitsToPixels(int units, const SIZE& baseUnits) { return scaleRounded(units, baseUnits.cy, 8); }

RECT dialogRectToPixels(const RECT& units, const SIZE& baseUnits) {
    return RECT{horizontalDialogUnitsToPixels(units.left, baseUnits), verticalDialogUnitsToPixels(units.top, baseUnits),
                horizontalDialogUnitsToPixels(units.right, baseUnits),
                verticalDialogUnitsToPixels(units.bottom, baseUnits)};
}

}  // namespace ce

// MapDialogRect: uses the base units of the dialog's own font; FALSE for a
// window that is not a dialog.
extern "C" BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
    if (!lpRect) return FALSE;
    auto state = ce::DialogRegistry::current().find(hDlg);
    if (!state || !IsWindow(hDlg)) return FALSE;
    *lpRect = ce::dialogRectToPixels(*lpRect, state->baseUnits);
    return TRUE;
}

// GetDialogBaseUnits: the base units of the system font, width in the low word.
extern "C" LONG WINAPI GetDialogBaseUnits() {
    SIZE units = ce::baseUnitsOfFont(nullptr);
    return MAKELONG(units.cx, units.cy);
}
