// The rectangle helpers of the window manager's API. They touch no window
// state, so they take no lock.
#include <windows.h>

#include "geometry/rectangles.h"

#include <algorithm>

using ce::isEmpty;

// SetRect: stores the four edges as given, without ordering them.
extern "C" BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

// SetRectEmpty: all four edges 0.
extern "C" BOOL WINAPI SetRectEmpty(LPRECT lprc) {
    if (!lprc) return FALSE;
    *lprc = RECT{0, 0, 0, 0};
    return TRUE;
}

// CopyRect: plain copy.
extern "C" BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (!lprcDst || !lprcSrc) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

// IsRectEmpty: no area (right <= left or bottom <= top); a null pointer counts as empty.
extern "C" BOOL WINAPI IsRectEmpty(const RECT* lprc) { return !lprc || isEmpty(*lprc); }

// EqualRect: edge by edge.
extern "C" BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
    if (!lprc1 || !lprc2) return FALSE;
    return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
           lprc1->bottom == lprc2->bottom;
}

// PtInRect: the right and bottom edges are outside.
extern "C" BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
    if (!lprc) return FALSE;
    return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

// OffsetRect: moves all four edges.
extern "C" BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

// InflateRect: grows each side outwards (negative values shrink).
extern "C" BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

// IntersectRect: the overlap; an empty result is stored as all zeros and returns FALSE.
extern "C" BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT result{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
                std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (isEmpty(result)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = result;
    return TRUE;
}

// UnionRect: the bounding rectangle; empty inputs are ignored, two empty ones give zeros and FALSE.
extern "C" BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    bool firstEmpty = isEmpty(*lprcSrc1);
    bool secondEmpty = isEmpty(*lprcSrc2);
    if (firstEmpty && secondEmpty) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (firstEmpty) {
        *lprcDst = *lprcSrc2;
        return TRUE;
    }
    if (secondEmpty) {
        *lprcDst = *lprcSrc1;
        return TRUE;
    }
    *lprcDst = RECT{std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                    std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}
