#pragma once

#include <windows.h>

#include <vector>

// Rectangle arithmetic shared by clipping, regions and the rectangle API.
// Rectangles exclude their right and bottom edges, as everywhere in the
// platform.
namespace ce {

bool isEmpty(const RECT& rect);
// The common part of two rectangles; {0,0,0,0} when they do not meet.
RECT intersection(const RECT& first, const RECT& second);
// a + b, held within the range of LONG (callers pass any coordinates).
LONG addClamped(LONG a, LONG b);
RECT offsetBy(const RECT& rect, LONG dx, LONG dy);

// Appends to out the parts of piece outside cut (at most four bands, none
// overlapping).
void appendDifference(const RECT& piece, const RECT& cut, std::vector<RECT>& out);

// Each rectangle of rects cut to bounds; empty results dropped.
std::vector<RECT> clippedTo(const std::vector<RECT>& rects, const RECT& bounds);

}  // namespace ce
