#pragma once

#include "device/device.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ce {

// Direct access to the pixels while the screen's lock is held (see
// Screen::draw). Pixels are 0x00RRGGBB, row-major, width * height of them.
struct PixelView {
    std::uint32_t* pixels;
    int width;
    int height;
};

// The device's primary display: a 32-bit framebuffer, initially black.
// It has its own lock because painting happens on many threads without the
// device lock; every change counts as a new frame, announced to the frame
// listener (the SDL front end) after the lock is released.
class Screen : public DeviceComponent {
public:
    explicit Screen(Device& device);

    int width() const;
    int height() const;
    // New size, contents cleared to black. Callers read the size fresh.
    void resize(int width, int height);

    // 0x00RRGGBB; 0 outside the screen.
    std::uint32_t pixel(int x, int y) const;
    // The same pixel as a COLORREF (0x00BBGGRR); CLR_INVALID outside.
    COLORREF pixelColorRef(int x, int y) const;
    std::vector<std::uint32_t> copyPixels() const;

    // Writes an 8-bit RGB PNG. On failure returns false and, if error is
    // given, a message naming the file and the cause.
    bool writePng(const std::string& path, std::string* error) const;

    // Runs painter with the pixels locked, then announces one new frame.
    void draw(const std::function<void(PixelView&)>& painter);
    // Runs reader with the pixels locked; not a new frame.
    void inspect(const std::function<void(const PixelView&)>& reader) const;

    // Number of changes so far; the listener runs after each, on the thread
    // that drew, with no lock held.
    std::uint64_t frameCount() const;
    void setFrameListener(std::function<void()> listener);

private:
    void announceFrame();

    mutable std::mutex mutex_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    std::uint64_t frames_ = 0;
    std::shared_ptr<const std::function<void()>> listener_;
};

}  // namespace ce
