#pragma once

#include <windows.h>

#include <vector>

// Rectangle arithmetic for clipping. Rectangles exclude their right and
// bottom edges, as everywhere in the platform.
namespace ce::gdi {

bool isEmpty(const RECT& rect);
RECT intersection(const RECT& first, const RECT& second);
// a + b, held within the range of LONG (callers pass any coordinates).
LONG addClamped(LONG a, LONG b);
RECT offsetBy(const RECT& rect, LONG dx, LONG dy);

// The same area as rects, as rectangles that do not overlap (so blending
// never touches a pixel twice), without empty ones.
std::vector<RECT> disjointRectangles(const std::vector<RECT>& rects);

// Each rectangle of rects cut to bounds; empty results dropped.
std::vector<RECT> clippedTo(const std::vector<RECT>& rects, const RECT& bounds);

}  // namespace ce::gdi
