#pragma once

#include "gdi/screen.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ce::gdi {

// Clipped drawing on locked screen pixels in a DC's logical coordinates.
// Colours are framebuffer values (0x00RRGGBB). Only pixels inside both the
// clip rectangles and the screen are ever touched.
class Canvas {
public:
    // clip: disjoint screen rectangles, or null for the whole screen.
    Canvas(PixelView& view, POINT origin, const std::vector<RECT>* clip);

    // The same canvas further limited to a logical rectangle.
    Canvas restrictedTo(const RECT& logical) const;

    void fillRect(const RECT& logical, std::uint32_t rgb);
    // Blends colour over the pixels by an 8-bit coverage mask (anti-aliased
    // glyphs); the mask's top-left corner goes to logical (x, y).
    void blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                       std::uint32_t rgb);
    // Blends 0xAARRGGBB pixels; alpha 0 leaves the screen as it is.
    void blendArgb(int x, int y, const std::uint32_t* argb, int width, int height);

    bool contains(int x, int y) const;
    // The pixel at logical (x, y); false when it is outside the clip.
    bool readPixel(int x, int y, std::uint32_t& rgb) const;
    bool writePixel(int x, int y, std::uint32_t rgb);
    bool invertPixel(int x, int y);

private:
    Canvas(PixelView& view, POINT origin, std::vector<RECT> screenClip);

    std::uint32_t* at(LONG screenX, LONG screenY) const;
    // Calls blendPixel(pixel, sourceColumn, sourceRow) for every visible pixel
    // of a width x height source image whose top-left corner is logical (x, y).
    template <typename BlendPixel>
    void forEachVisiblePixel(int x, int y, int width, int height, BlendPixel blendPixel);

    PixelView* view_;
    POINT origin_;
    std::vector<RECT> clip_;  // screen coordinates, disjoint, inside the screen
};

}  // namespace ce::gdi
