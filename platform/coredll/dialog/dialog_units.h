#pragma once

#include <windows.h>

namespace ce {

// Dialog units to pixels: x and widths in quarters of the base width,
// y and heights in eighths of the base height, rounded to the nearest pixel.
int horizontalDialogUnitsToPixels(int units, const SIZE& baseUnits);
int verticalDialogUnitsToPixels(int units, const SIZE& baseUnits);
RECT dialogRectToPixels(const RECT& units, const SIZE& baseUnits);

}  // namespace ce
