#pragma once

#include "resources/dialog_template.h"

#include <windows.h>

namespace ce {

// The font a DS_SETFONT template asks for; null when the template has none
// or the font cannot be made. The caller owns it.
HFONT createTemplateFont(const DialogTemplate& dialogTemplate);

// Dialog base units of a font: the average width of the 52 Latin letters
// (rounded) and the text height, in pixels. The system font stands for null.
// Measured through GetTextExtentPoint32, so they follow the screen font:
// "System" 8 gives 7 x 13 and "System" 10 gives 8 x 15 at 96 dpi.
SIZE baseUnitsOfFont(HFONT font);

}  // namespace ce
