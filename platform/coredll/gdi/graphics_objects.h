#pragma once

#include <windows.h>

#include <variant>

namespace ce::gdi {

// The drawing objects a DC can select. Colours are COLORREFs.
struct Brush {
    COLORREF color = 0;
    bool hollow = false;  // NULL_BRUSH: fills nothing
};

struct Pen {
    int style = 0;  // PS_SOLID, PS_DASH or PS_NULL; other styles draw solid
    int width = 1;
    COLORREF color = 0;
};

struct Font {
    LOGFONTW description{};
};

using GraphicsObject = std::variant<Brush, Pen, Font>;

}  // namespace ce::gdi
