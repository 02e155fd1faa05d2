#include "gdi/screen.h"

#include "gdi/pixel_format.h"
#include "gdi/png_file.h"

#include <algorithm>

namespace ce {

Screen::Screen(Device& device)
    : width_(std::max(0, device.options().screenWidth)),
      height_(std::max(0, device.options().screenHeight)),
      pixels_(std::size_t(width_) * std::size_t(height_), 0) {}

int Screen::width() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return width_;
}

int Screen::height() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return height_;
}

void Screen::resize(int width, int height) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        width_ = std::max(0, width);
        height_ = std::max(0, height);
        pixels_.assign(std::size_t(width_) * std::size_t(height_), 0);
        ++frames_;
    }
    announceFrame();
}

std::uint32_t Screen::pixel(int x, int y) const {
    std::lock_guard<std::mutex> guard(mutex_);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

COLORREF Screen::pixelColorRef(int x, int y) const {
    std::lock_guard<std::mutex> guard(mutex_);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return colorRefFromRgb(pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]);
}

std::vector<std::uint32_t> Screen::copyPixels() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return pixels_;
}

bool Screen::writePng(const std::string& path, std::string* error) const {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        width = width_;
        height = height_;
        pixels = pixels_;
    }
    return writePngFile(path, pixels, width, height, error);
}

void Screen::draw(const std::function<void(PixelView&)>& painter) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        PixelView view{pixels_.data(), width_, height_};
        painter(view);
        ++frames_;
    }
    announceFrame();
}

void Screen::inspect(const std::function<void(const PixelView&)>& reader) const {
    std::lock_guard<std::mutex> guard(mutex_);
    PixelView view{const_cast<std::uint32_t*>(pixels_.data()), width_, height_};
    reader(view);
}

std::uint64_t Screen::frameCount() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return frames_;
}

void Screen::setFrameListener(std::function<void()> listener) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (listener) listener_ = std::make_shared<const std::function<void()>>(std::move(listener));
    else listener_.reset();
}

void Screen::announceFrame() {
    // Called without the lock so that the listener may read the pixels.
    std::shared_ptr<const std::function<void()>> listener;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        listener = listener_;
    }
    if (listener) (*listener)();
}

}  // namespace ce
