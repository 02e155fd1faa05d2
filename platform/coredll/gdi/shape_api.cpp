// Filled and outlined shapes and single pixels.
#include "gdi/drawing_target.h"
#include "gdi/outline.h"
#include "gdi/pixel_format.h"

#include <windows.h>

#include <algorithm>

using ce::gdi::Canvas;

namespace {

// Dash pattern of PS_DASH, in pixels along the outline.
constexpr int kDashOn = 18;
constexpr int kDashPeriod = 24;

void drawSolidBorder(Canvas& canvas, const RECT& path, int width, std::uint32_t rgb) {
    // A wide pen is centred on the path, as Win32 draws it.
    int before = (width - 1) / 2;
    int after = width - 1 - before;
    RECT outer{path.left - before, path.top - before, path.right + after, path.bottom + after};
    RECT inner{path.left + after + 1, path.top + after + 1, path.right - 1 - before, path.bottom - 1 - before};
    if (inner.left >= inner.right || inner.top >= inner.bottom) {
        canvas.fillRect(outer, rgb);
        return;
    }
    canvas.fillRect(RECT{outer.left, outer.top, outer.right, inner.top}, rgb);
    canvas.fillRect(RECT{outer.left, inner.bottom, outer.right, outer.bottom}, rgb);
    canvas.fillRect(RECT{outer.left, inner.top, inner.left, inner.bottom}, rgb);
    canvas.fillRect(RECT{inner.right, inner.top, outer.right, inner.bottom}, rgb);
}

}  // namespace

extern "C" {

// FillRect: takes a brush or a system colour index + 1 cast to HBRUSH; right and bottom edges excluded.
int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!lprc) return 0;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hDC);
    ce::gdi::GraphicsHandles* handles = ce::gdi::activeGraphicsHandles();
    if (!target || !handles) return 0;
    std::optional<ce::gdi::Brush> brush = handles->brushOf(hbr);
    if (!brush) return 0;
    if (brush->hollow) return 1;
    std::uint32_t rgb = ce::rgbFromColorRef(brush->color);
    RECT rect = *lprc;
    ce::gdi::paint(*target, [&](Canvas& canvas) { canvas.fillRect(rect, rgb); });
    return 1;
}

// Rectangle: outline with the selected pen, inside with the selected brush; right and bottom excluded.
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return FALSE;
    RECT path{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    const ce::gdi::DrawingState& state = target->state;
    ce::gdi::paint(*target, [&](Canvas& canvas) {
        // The brush covers all but the last column and row, which the pen
        // draws; with a null pen the shape is one pixel smaller, as in Win32.
        if (!state.brush.hollow)
            canvas.fillRect(RECT{path.left, path.top, path.right - 1, path.bottom - 1},
                            ce::rgbFromColorRef(state.brush.color));
        if (state.pen.style == PS_NULL) return;
        std::uint32_t ink = ce::rgbFromColorRef(state.pen.color);
        if (state.pen.style == PS_DASH && state.pen.width == 1) {
            std::uint32_t gap = ce::rgbFromColorRef(state.background);
            ce::gdi::forEachBorderPixel(path, [&](int x, int y, int position) {
                if (position % kDashPeriod < kDashOn) canvas.writePixel(x, y, ink);
                else if (state.backgroundMode == OPAQUE) canvas.writePixel(x, y, gap);
            });
        } else {
            drawSolidBorder(canvas, path, state.pen.width, ink);
        }
    });
    return TRUE;
}

// DrawFocusRect: a dotted outline drawn by inverting, so a second call removes it.
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
    if (!lprc) return FALSE;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hDC);
    if (!target) return FALSE;
    RECT rect = *lprc;
    ce::gdi::paint(*target, [&](Canvas& canvas) {
        ce::gdi::forEachBorderPixel(rect, [&](int x, int y, int) {
            if (((x + y) & 1) == 0) canvas.invertPixel(x, y);
        });
    });
    return TRUE;
}

// GetPixel: CLR_INVALID outside the DC's clip or the screen.
COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return CLR_INVALID;
    COLORREF result = CLR_INVALID;
    ce::gdi::inspect(*target, [&](const Canvas& canvas) {
        std::uint32_t rgb = 0;
        if (canvas.readPixel(x, y, rgb)) result = ce::colorRefFromRgb(rgb);
    });
    return result;
}

// SetPixel: returns the colour set, or -1 (CLR_INVALID) outside the clip.
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return CLR_INVALID;
    COLORREF result = CLR_INVALID;
    std::uint32_t rgb = ce::rgbFromColorRef(color);
    ce::gdi::paint(*target, [&](Canvas& canvas) {
        if (canvas.writePixel(x, y, rgb)) result = color & 0x00FFFFFF;
    });
    return result;
}

}  // extern "C"
