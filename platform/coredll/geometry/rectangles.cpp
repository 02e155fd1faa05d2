#include "geometry/rectangles.h"

#include <algorithm>
#include <limits>

namespace ce {

bool isEmpty(const RECT& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

RECT intersection(const RECT& first, const RECT& second) {
    RECT result{std::max(first.left, second.left), std::max(first.top, second.top),
                std::min(first.right, second.right), std::min(first.bottom, second.bottom)};
    if (isEmpty(result)) return RECT{0, 0, 0, 0};
    return result;
}

LONG addClamped(LONG a, LONG b) {
    long long sum = (long long)a + (long long)b;
    return LONG(std::clamp<long long>(sum, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

RECT offsetBy(const RECT& rect, LONG dx, LONG dy) {
    return RECT{addClamped(rect.left, dx), addClamped(rect.top, dy), addClamped(rect.right, dx),
                addClamped(rect.bottom, dy)};
}

void appendDifference(const RECT& piece, const RECT& cut, std::vector<RECT>& out) {
    RECT overlap = intersection(piece, cut);
    if (isEmpty(overlap)) {
        out.push_back(piece);
        return;
    }
    if (piece.top < overlap.top) out.push_back(RECT{piece.left, piece.top, piece.right, overlap.top});
    if (overlap.bottom < piece.bottom) out.push_back(RECT{piece.left, overlap.bottom, piece.right, piece.bottom});
    if (piece.left < overlap.left) out.push_back(RECT{piece.left, overlap.top, overlap.left, overlap.bottom});
    if (overlap.right < piece.right) out.push_back(RECT{overlap.right, overlap.top, piece.right, overlap.bottom});
}

std::vector<RECT> clippedTo(const std::vector<RECT>& rects, const RECT& bounds) {
    std::vector<RECT> result;
    result.reserve(rects.size());
    for (const RECT& rect : rects) {
        RECT cut = intersection(rect, bounds);
        if (!isEmpty(cut)) result.push_back(cut);
    }
    return result;
}

}  // namespace ce
