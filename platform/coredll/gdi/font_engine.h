#pragma once

#include "device/device.h"
#include "gdi/graphics_objects.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace ce::gdi {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;  // ascent + descent: one line of text
    int internalLeading = 0;  // height less the em height
    int averageWidth = 0;
    int maximumWidth = 0;
    int weight = FW_NORMAL;
};

// One rendered glyph: an 8-bit coverage mask (anti-aliased), placed
// relative to the pen position on the baseline.
struct Glyph {
    int left = 0;     // mask's left edge right of the pen
    int top = 0;      // mask's top edge above the baseline
    int width = 0;
    int rows = 0;
    int advance = 0;  // how far the pen moves
    std::vector<std::uint8_t> coverage;  // width * rows
};

// Text rendering with FreeType: DejaVu Sans for normal weights, its bold cut
// from FW_SEMIBOLD up. Rendered glyphs are cached for the device's life.
// Thread-safe. If a font file cannot be loaded, one message goes to
// standard error and text takes space but draws nothing.
class FontEngine : public DeviceComponent {
public:
    explicit FontEngine(Device& device);
    ~FontEngine() override;

    FontMetrics metrics(const Font& font);
    // Glyphs for each code point; the pointers stay valid for the engine's life.
    std::vector<const Glyph*> glyphs(const Font& font, const std::u32string& text);

private:
    struct Face;
    struct Size {
        bool bold;
        long emSize;  // 26.6 fixed-point pixels
    };

    Size sizeOf(const Font& font);
    Face* faceLocked(bool bold);
    const Glyph& glyphLocked(const Size& size, char32_t codePoint);

    std::mutex mutex_;
    void* library_ = nullptr;  // FT_Library, kept out of this header
    std::unique_ptr<Face> regular_;
    std::unique_ptr<Face> bold_;
    std::unordered_map<std::uint64_t, Glyph> cache_;
};

}  // namespace ce::gdi
