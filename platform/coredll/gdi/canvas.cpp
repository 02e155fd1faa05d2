#include "gdi/canvas.h"

#include "geometry/rectangles.h"

#include <algorithm>

namespace ce::gdi {

namespace {

std::uint32_t blend(std::uint32_t under, std::uint32_t over, unsigned alpha) {
    if (alpha >= 255) return over;
    unsigned inverse = 255 - alpha;
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned below = (under >> shift) & 0xFF;
        unsigned above = (over >> shift) & 0xFF;
        unsigned mixed = (above * alpha + below * inverse + 127) / 255;
        result |= std::uint32_t(mixed) << shift;
    }
    return result;
}

}  // namespace

Canvas::Canvas(PixelView& view, POINT origin, const std::vector<RECT>* clip) : view_(&view), origin_(origin) {
    RECT screen{0, 0, view.width, view.height};
    clip_ = clip ? clippedTo(*clip, screen) : clippedTo({screen}, screen);
}

Canvas::Canvas(PixelView& view, POINT origin, std::vector<RECT> screenClip)
    : view_(&view), origin_(origin), clip_(std::move(screenClip)) {}

Canvas Canvas::restrictedTo(const RECT& logical) const {
    return Canvas(*view_, origin_, clippedTo(clip_, offsetBy(logical, origin_.x, origin_.y)));
}

std::uint32_t* Canvas::at(LONG screenX, LONG screenY) const {
    return view_->pixels + std::size_t(screenY) * std::size_t(view_->width) + std::size_t(screenX);
}

void Canvas::fillRect(const RECT& logical, std::uint32_t rgb) {
    RECT target = offsetBy(logical, origin_.x, origin_.y);
    for (const RECT& clip : clip_) {
        RECT part = intersection(target, clip);
        for (LONG y = part.top; y < part.bottom; ++y) {
            std::uint32_t* row = at(part.left, y);
            std::fill(row, row + (part.right - part.left), rgb);
        }
    }
}

template <typename BlendPixel>
void Canvas::forEachVisiblePixel(int x, int y, int width, int height, BlendPixel blendPixel) {
    LONG left = addClamped(x, origin_.x);
    LONG top = addClamped(y, origin_.y);
    RECT target{left, top, addClamped(left, width), addClamped(top, height)};
    for (const RECT& clip : clip_) {
        RECT part = intersection(target, clip);
        for (LONG row = part.top; row < part.bottom; ++row) {
            std::uint32_t* pixel = at(part.left, row);
            for (LONG column = part.left; column < part.right; ++column, ++pixel)
                blendPixel(*pixel, column - left, row - top);
        }
    }
}

void Canvas::blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                           std::uint32_t rgb) {
    forEachVisiblePixel(x, y, width, height, [&](std::uint32_t& pixel, LONG column, LONG row) {
        unsigned alpha = coverage[std::ptrdiff_t(row) * pitch + column];
        if (alpha) pixel = blend(pixel, rgb, alpha);
    });
}

void Canvas::blendArgb(int x, int y, const std::uint32_t* argb, int width, int height) {
    forEachVisiblePixel(x, y, width, height, [&](std::uint32_t& pixel, LONG column, LONG row) {
        std::uint32_t value = argb[std::ptrdiff_t(row) * width + column];
        unsigned alpha = value >> 24;
        if (alpha) pixel = blend(pixel, value & 0xFFFFFF, alpha);
    });
}

bool Canvas::contains(int x, int y) const {
    LONG screenX = addClamped(x, origin_.x);
    LONG screenY = addClamped(y, origin_.y);
    for (const RECT& clip : clip_)
        if (screenX >= clip.left && screenX < clip.right && screenY >= clip.top && screenY < clip.bottom)
            return true;
    return false;
}

bool Canvas::readPixel(int x, int y, std::uint32_t& rgb) const {
    if (!contains(x, y)) return false;
    rgb = *at(x + origin_.x, y + origin_.y);
    return true;
}

bool Canvas::writePixel(int x, int y, std::uint32_t rgb) {
    if (!contains(x, y)) return false;
    *at(x + origin_.x, y + origin_.y) = rgb;
    return true;
}

bool Canvas::invertPixel(int x, int y) {
    if (!contains(x, y)) return false;
    *at(x + origin_.x, y + origin_.y) ^= 0xFFFFFFu;
    return true;
}

}  // namespace ce::gdi
