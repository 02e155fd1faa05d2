#include "gdi/outline.h"

namespace ce::gdi {

void forEachBorderPixel(const RECT& rect, const std::function<void(int x, int y, int position)>& visit) {
    int left = rect.left;
    int top = rect.top;
    int right = rect.right - 1;
    int bottom = rect.bottom - 1;
    if (right < left || bottom < top) return;
    int position = 0;
    for (int x = left; x <= right; ++x) visit(x, top, position++);
    if (bottom == top) return;
    for (int y = top + 1; y <= bottom; ++y) visit(right, y, position++);
    if (right == left) return;
    for (int x = right - 1; x >= left; --x) visit(x, bottom, position++);
    for (int y = bottom - 1; y > top; --y) visit(left, y, position++);
}

}  // namespace ce::gdi
