#pragma once

#include <windows.h>

#include <cstdint>

namespace ce {

// The framebuffer keeps 0x00RRGGBB; the API speaks COLORREF, 0x00BBGGRR.
inline std::uint32_t rgbFromColorRef(COLORREF color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

inline COLORREF colorRefFromRgb(std::uint32_t rgb) {
    return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

}  // namespace ce
