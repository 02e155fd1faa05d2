// The DC attribute calls: colours, background mode and device capabilities.
#include "gdi/drawing_target.h"
#include "gdi/screen.h"

#include <windows.h>

using ce::gdi::DeviceContextState;

namespace {

// Swaps in a new value of one attribute and returns the old one, or failed
// when the DC is unknown.
template <class Value, class Member>
Value exchangeAttribute(HDC dc, Member member, Value value, Value failed) {
    ce::gdi::GraphicsHandles* handles = ce::gdi::activeGraphicsHandles();
    Value previous = failed;
    if (handles) handles->changeContext(dc, [&](DeviceContextState& state) {
        previous = state.*member;
        state.*member = value;
    });
    return previous;
}

template <class Value, class Member>
Value readAttribute(HDC dc, Member member, Value failed) {
    ce::gdi::GraphicsHandles* handles = ce::gdi::activeGraphicsHandles();
    Value value = failed;
    if (handles) handles->changeContext(dc, [&](DeviceContextState& state) { value = state.*member; });
    return value;
}

}  // namespace

extern "C" {

// SetBkColor: returns the previous background colour, CLR_INVALID for a bad DC.
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return exchangeAttribute(hdc, &DeviceContextState::background, color, COLORREF(CLR_INVALID));
}

// GetBkColor: white until changed.
COLORREF WINAPI GetBkColor(HDC hdc) {
    return readAttribute(hdc, &DeviceContextState::background, COLORREF(CLR_INVALID));
}

// SetTextColor: returns the previous text colour, CLR_INVALID for a bad DC.
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return exchangeAttribute(hdc, &DeviceContextState::text, color, COLORREF(CLR_INVALID));
}

// GetTextColor: black until changed.
COLORREF WINAPI GetTextColor(HDC hdc) { return readAttribute(hdc, &DeviceContextState::text, COLORREF(CLR_INVALID)); }

// SetBkMode: TRANSPARENT or OPAQUE; returns the previous mode, 0 on failure.
int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return exchangeAttribute(hdc, &DeviceContextState::backgroundMode, mode, 0);
}

// GetBkMode: OPAQUE until changed; 0 for a bad DC.
int WINAPI GetBkMode(HDC hdc) { return readAttribute(hdc, &DeviceContextState::backgroundMode, 0); }

// GetDeviceCaps: the screen's size read fresh, 32 bits a pixel, 96 dpi; 0 otherwise.
int WINAPI GetDeviceCaps(HDC hdc, int index) {
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return 0;
    ce::Screen& screen = target->device->get<ce::Screen>();
    switch (index) {
    case HORZRES: return screen.width();
    case VERTRES: return screen.height();
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}

}  // extern "C"
