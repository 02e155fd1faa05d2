#include "window/region.h"

#include <algorithm>

namespace ce {

namespace {

bool isEmpty(const RECT& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

RECT intersection(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    if (isEmpty(result)) return RECT{0, 0, 0, 0};
    return result;
}

// Appends to out the parts of piece outside cut (at most four bands).
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

}  // namespace

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
    for (RECT& rect : rects_) {
        rect.left += dx;
        rect.right += dx;
        rect.top += dy;
        rect.bottom += dy;
    }
}

bool Region::sameAreaAs(const Region& other) const {
    Region mine = *this;
    mine.subtract(other);
    Region theirs = other;
    theirs.subtract(*this);
    return mine.empty() && theirs.empty();
}

}  // namespace ce
