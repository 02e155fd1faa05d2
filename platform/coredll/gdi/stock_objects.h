#pragma once

#include "gdi/graphics_objects.h"

#include <vector>

namespace ce::gdi {

struct StockObject {
    int index;  // the GetStockObject index
    GraphicsObject object;
};

// Every stock object, created once per device.
const std::vector<StockObject>& stockObjects();

// The font a DC starts with: "System", 8 points at 96 dpi (an 11-pixel em).
LOGFONTW systemFontDescription();

}  // namespace ce::gdi
