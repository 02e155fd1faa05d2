#pragma once

#include "gdi/graphics_objects.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace ce::gdi {

// What one DC holds; guarded by the handle table's lock.
struct DeviceContextState {
    HWND window = nullptr;
    POINT origin{0, 0};
    std::shared_ptr<const std::vector<RECT>> clip;  // disjoint screen rects; null: whole screen
    COLORREF background = 0x00FFFFFF;
    COLORREF text = 0x00000000;
    int backgroundMode = OPAQUE;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
};

// A copy of a DC's state with its selected objects resolved, so that
// drawing runs without the handle table's lock.
struct DrawingState {
    POINT origin{0, 0};
    std::shared_ptr<const std::vector<RECT>> clip;
    COLORREF background = 0;
    COLORREF text = 0;
    int backgroundMode = OPAQUE;
    Brush brush;
    Pen pen;
    Font font;
};

}  // namespace ce::gdi
