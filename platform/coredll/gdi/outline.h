#pragma once

#include <windows.h>

#include <functional>

namespace ce::gdi {

// Calls visit once for every pixel on the border of the rectangle from
// (left, top) to (right - 1, bottom - 1), in order clockwise from the
// top-left corner, with the pixel's position along the border.
void forEachBorderPixel(const RECT& rect, const std::function<void(int x, int y, int position)>& visit);

}  // namespace ce::gdi
