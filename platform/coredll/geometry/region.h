#pragma once

#include <windows.h>

#include <vector>

namespace ce {

// An area of the screen as a list of disjoint rectangles. Update regions and
// visible regions of windows are kept this way; rectangles exclude their
// right and bottom edges, as everywhere in the platform.
class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect);

    bool empty() const { return rects_.empty(); }
    const std::vector<RECT>& rects() const { return rects_; }
    // Smallest rectangle holding the whole area; empty for an empty region.
    RECT bounds() const;
    long long area() const;
    bool contains(POINT point) const;
    bool intersects(const RECT& rect) const;

    void clear() { rects_.clear(); }
    void unite(const RECT& rect);
    void unite(const Region& other);
    void subtract(const RECT& rect);
    void subtract(const Region& other);
    void intersect(const RECT& rect);
    void intersect(const Region& other);
    void offset(LONG dx, LONG dy);

    // Same covered area, whatever the split into rectangles.
    bool sameAreaAs(const Region& other) const;

private:
    std::vector<RECT> rects_;
};

}  // namespace ce
