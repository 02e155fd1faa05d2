#include "geometry/region.h"

#include "geometry/rectangles.h"

#include <algorithm>

namespace ce {

Region::Region(const RECT& rect) {
    if (!isEmpty(rect)) rects_.push_back(rect);
}

RECT Region::bounds() const {
    if (rects_.empty()) return RECT{0, 0, 0, 0};
    RECT result = rects_.front();
    for (const RECT& rect : rects_) {
        result.left = std::min(result.left, rect.left);
        result.top = std::min(result.top, rect.top);
        result.right = std::max(result.right, rect.right);
        result.bottom = std::max(result.bottom, rect.bottom);
    }
    return result;
}

long long Region::area() const {
    long long total = 0;
    for (const RECT& rect : rects_)
        total += static_cast<long long>(rect.right - rect.left) * static_cast<long long>(rect.bottom - rect.top);
    return total;
}

bool Region::contains(POINT point) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const RECT& rect) {
        return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
    });
}

bool Region::intersects(const RECT& rect) const {
    return std::any_of(rects_.begin(), rects_.end(),
                       [&](const RECT& own) { return !isEmpty(intersection(own, rect)); });
}

void Region::unite(const RECT& rect) {
    if (isEmpty(rect)) return;
    // Only the parts of rect not yet covered are added, so rects stay disjoint.
    std::vector<RECT> pieces{rect};
    for (const RECT& own : rects_) {
        std::vector<RECT> remaining;
        for (const RECT& piece : pieces) appendDifference(piece, own, remaining);
        pieces.swap(remaining);
        if (pieces.empty()) return;
    }
    rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

void Region::unite(const Region& other) {
    for (const RECT& rect : other.rects_) unite(rect);
}

void Region::subtract(const RECT& rect) {
    if (isEmpty(rect) || rects_.empty()) return;
    std::vector<RECT> remaining;
    for (const RECT& own : rects_) appendDifference(own, rect, remaining);
    rects_.swap(remaining);
}

void Region::subtract(const Region& other) {
    for (const RECT& rect : other.rects_) subtract(rect);
}

void Region::intersect(const RECT& rect) {
    std::vector<RECT> remaining;
    for (const RECT& own : rects_) {
        RECT overlap = intersection(own, rect);
        if (!isEmpty(overlap)) remaining.push_back(overlap);
    }
    rects_.swap(remaining);
}

void Region::intersect(const Region& other) {
    std::vector<RECT> result;
    for (const RECT& own : rects_)
        for (const RECT& theirs : other.rects_) {
            RECT overlap = intersection(own, theirs);
            if (!isEmpty(overlap)) result.push_back(overlap);
        }
    rects_.swap(result);
}

void Region::offset(LONG dx, LONG dy) {
    for (RECT& rect : rects_) rect = offsetBy(rect, dx, dy);
}

bool Region::sameAreaAs(const Region& other) const {
    Region mine = *this;
    mine.subtract(other);
    Region theirs = other;
    theirs.subtract(*this);
    return mine.empty() && theirs.empty();
}

}  // namespace ce
