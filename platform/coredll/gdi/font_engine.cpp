#include "gdi/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ce::gdi {

namespace {

constexpr long kDefaultEmPixels = 11;  // lfHeight 0: the system font's size
constexpr long kLargestEmPixels = 1000;

FT_Library library(void* handle) { return static_cast<FT_Library>(handle); }

long roundedDivide(long long numerator, long long denominator) {
    return long((numerator + denominator / 2) / denominator);
}

}  // namespace

struct FontEngine::Face {
    FT_Face face = nullptr;
    long currentSize = 0;
};

FontEngine::FontEngine(Device&) {
    FT_Library handle = nullptr;
    if (FT_Init_FreeType(&handle) != 0) {
        std::fprintf(stderr, "cannot start the FreeType library; text will not be drawn\n");
        handle = nullptr;
    }
    library_ = handle;
}

FontEngine::~FontEngine() {
    for (auto* face : {regular_.get(), bold_.get()})
        if (face && face->face) FT_Done_Face(face->face);
    if (library_) FT_Done_FreeType(library(library_));
}

FontEngine::Face* FontEngine::faceLocked(bool bold) {
    std::unique_ptr<Face>& slot = bold ? bold_ : regular_;
    if (!slot) {
        slot = std::make_unique<Face>();
        const char* path = bold ? HANDHELD_BOLD_FONT_PATH : HANDHELD_FONT_PATH;
        if (library_) {
            FT_Error error = FT_New_Face(library(library_), path, 0, &slot->face);
            if (error != 0) {
                slot->face = nullptr;
                std::fprintf(stderr, "cannot load the font \"%s\" (FreeType error %d); text will not be drawn\n",
                             path, int(error));
            }
        }
    }
    return slot->face ? slot.get() : nullptr;
}

FontEngine::Size FontEngine::sizeOf(const Font& font) {
    const LOGFONTW& description = font.description;
    bool bold = description.lfWeight >= FW_SEMIBOLD;
    long em = kDefaultEmPixels * 64;
    if (description.lfHeight < 0) {
        em = std::min<long>(-(long long)description.lfHeight, kLargestEmPixels) * 64;
    } else if (description.lfHeight > 0) {
        // A positive height is the whole cell (ascent + descent), as in Win32.
        long long cell = std::min<long>(description.lfHeight, kLargestEmPixels);
        long long unitsPerEm = 2048;
        long long cellUnits = 2384;  // the font's own ratio when it is missing
        if (Face* face = faceLocked(bold)) {
            unitsPerEm = face->face->units_per_EM;
            cellUnits = face->face->ascender - face->face->descender;
        }
        em = roundedDivide(cell * 64 * unitsPerEm, std::max<long long>(cellUnits, 1));
    }
    return Size{bold, std::max<long>(em, 64)};
}

FontMetrics FontEngine::metrics(const Font& font) {
    std::lock_guard<std::mutex> guard(mutex_);
    Size size = sizeOf(font);
    FontMetrics metrics;
    metrics.weight = font.description.lfWeight == FW_DONTCARE ? FW_NORMAL : font.description.lfWeight;
    long long ascentUnits = 1901;
    long long descentUnits = 483;
    long long unitsPerEm = 2048;
    if (Face* face = faceLocked(size.bold)) {
        ascentUnits = face->face->ascender;
        descentUnits = -face->face->descender;
        unitsPerEm = face->face->units_per_EM;
        metrics.maximumWidth = int(roundedDivide(face->face->max_advance_width * size.emSize, unitsPerEm * 64));
    }
    metrics.ascent = int(roundedDivide(ascentUnits * size.emSize, unitsPerEm * 64));
    metrics.descent = int(roundedDivide(descentUnits * size.emSize, unitsPerEm * 64));
    if (font.description.lfHeight > 0) {
        int cell = int(std::min<long>(font.description.lfHeight, kLargestEmPixels));
        metrics.descent = std::max(0, cell - metrics.ascent);
    }
    metrics.height = metrics.ascent + metrics.descent;
    metrics.internalLeading = std::max(0, metrics.height - int(roundedDivide(size.emSize, 64)));
    metrics.averageWidth = glyphLocked(size, U'x').advance;
    metrics.maximumWidth = std::max(metrics.maximumWidth, metrics.averageWidth);
    return metrics;
}

std::vector<const Glyph*> FontEngine::glyphs(const Font& font, const std::u32string& text) {
    std::lock_guard<std::mutex> guard(mutex_);
    Size size = sizeOf(font);
    std::vector<const Glyph*> result;
    result.reserve(text.size());
    for (char32_t codePoint : text) result.push_back(&glyphLocked(size, codePoint));
    return result;
}

const Glyph& FontEngine::glyphLocked(const Size& size, char32_t codePoint) {
    std::uint64_t key = (std::uint64_t(size.emSize) << 22) | (std::uint64_t(size.bold) << 21) |
                        std::uint64_t(codePoint & 0x1FFFFF);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;

    Glyph glyph;
    Face* face = faceLocked(size.bold);
    // Control characters take no space: line breaks are DrawText's business.
    if (codePoint < 0x20) {
    } else if (!face) {
        glyph.advance = int(size.emSize / 128);
    } else {
        if (face->currentSize != size.emSize) {
            FT_Set_Char_Size(face->face, 0, size.emSize, 72, 72);
            face->currentSize = size.emSize;
        }
        if (FT_Load_Char(face->face, codePoint, FT_LOAD_RENDER) == 0) {
            FT_GlyphSlot slot = face->face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            glyph.advance = int((slot->advance.x + 32) >> 6);
            if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.width > 0 && bitmap.rows > 0) {
                glyph.left = slot->bitmap_left;
                glyph.top = slot->bitmap_top;
                glyph.width = int(bitmap.width);
                glyph.rows = int(bitmap.rows);
                glyph.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.rows));
                for (int row = 0; row < glyph.rows; ++row) {
                    const unsigned char* source = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
                    std::copy(source, source + glyph.width, glyph.coverage.begin() + std::ptrdiff_t(row) * glyph.width);
                }
            }
        }
    }
    return cache_.emplace(key, std::move(glyph)).first->second;
}

}  // namespace ce::gdi
