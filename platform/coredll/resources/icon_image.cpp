#include "resources/icon_image.h"

#include "resources/byte_reader.h"

#include <algorithm>

namespace ce {
namespace {

constexpr DWORD infoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr DWORD uncompressed = 0;     // BI_RGB
constexpr LONG largestIcon = 256;

std::size_t rowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

class IconDecoder {
public:
    IconDecoder(const void* data, std::size_t size, std::string* error)
        : data_(static_cast<const BYTE*>(data)), size_(data ? size : 0), error_(error) {}

    std::optional<IconImage> decode() {
        static const BYTE pngMagic[] = {0x89, 'P', 'N', 'G'};
        if (size_ >= sizeof pngMagic && std::equal(pngMagic, pngMagic + sizeof pngMagic, data_))
            return fail("PNG-compressed icon images are not supported");
        ByteReader reader(data_, size_);
        DWORD headerSize = 0, compression = 0, coloursUsed = 0;
        LONG width = 0, doubleHeight = 0;
        WORD planes = 0, bitCount = 0;
        if (!reader.readDword(headerSize) || !reader.readDword(reinterpret_cast<DWORD&>(width)) ||
            !reader.readDword(reinterpret_cast<DWORD&>(doubleHeight)) || !reader.readWord(planes) ||
            !reader.readWord(bitCount) || !reader.readDword(compression) || !reader.skip(12) ||
            !reader.readDword(coloursUsed) || !reader.skip(4))
            return fail("the bitmap header is cut short");
        if (headerSize < infoHeaderSize || !reader.seek(headerSize)) return fail("the bitmap header size is wrong");
        if (width <= 0 || width > largestIcon || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
            doubleHeight / 2 > largestIcon)
            return fail("the image size " + std::to_string(width) + " x " + std::to_string(doubleHeight) +
                        " is not that of an icon (twice its height, at most 256)");
        if (compression != uncompressed) return fail("compressed icon bitmaps are not supported");
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
            return fail("the colour depth " + std::to_string(bitCount) + " is not supported");

        IconImage image;
        image.width = width;
        image.height = doubleHeight / 2;
        image.bitCount = bitCount;
        if (bitCount <= 8 && !readPalette(reader, bitCount, coloursUsed)) return std::nullopt;

        std::size_t colourStride = rowBytes(image.width, bitCount);
        std::size_t maskStride = rowBytes(image.width, 1);
        const BYTE* colours = reader.current();
        if (!reader.skip(colourStride * image.height)) return fail("the colour bits run past the end of the image");
        const BYTE* mask = reader.current();
        if (!reader.skip(maskStride * image.height)) return fail("the AND mask runs past the end of the image");

        image.argb.resize(static_cast<std::size_t>(image.width) * image.height);
        bool ownAlpha = false;
        for (int row = 0; row < image.height; ++row) {
            // Rows are stored bottom-up.
            const BYTE* colourRow = colours + colourStride * (image.height - 1 - row);
            const BYTE* maskRow = mask + maskStride * (image.height - 1 - row);
            for (int column = 0; column < image.width; ++column) {
                std::uint32_t pixel = pixelAt(colourRow, column, bitCount);
                bool transparent = (maskRow[column / 8] >> (7 - column % 8)) & 1;
                if (bitCount == 32) {
                    ownAlpha = ownAlpha || (pixel >> 24) != 0;
                    transparentByMask_.push_back(transparent);
                } else {
                    pixel = transparent ? (pixel & 0x00FFFFFFu) : (pixel | 0xFF000000u);
                }
                image.argb[static_cast<std::size_t>(row) * image.width + column] = pixel;
            }
        }
        // A 32-bit image with no alpha at all falls back to its mask.
        if (bitCount == 32 && !ownAlpha)
            for (std::size_t index = 0; index < image.argb.size(); ++index)
                if (!transparentByMask_[index]) image.argb[index] |= 0xFF000000u;
        return image;
    }

private:
    bool readPalette(ByteReader& reader, int bitCount, DWORD coloursUsed) {
        std::size_t count = std::size_t{1} << bitCount;
        if (coloursUsed != 0 && coloursUsed < count) count = coloursUsed;
        palette_.assign(std::size_t{1} << bitCount, 0);
        for (std::size_t index = 0; index < count; ++index) {
            BYTE blue = 0, green = 0, red = 0, unused = 0;
            if (!reader.readByte(blue) || !reader.readByte(green) || !reader.readByte(red) || !reader.readByte(unused)) {
                fail("the palette is cut short");
                return false;
            }
            palette_[index] = (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
        }
        return true;
    }

    std::uint32_t pixelAt(const BYTE* row, int column, int bitCount) const {
        switch (bitCount) {
        case 1: return palette_[(row[column / 8] >> (7 - column % 8)) & 1];
        case 4: return palette_[(row[column / 2] >> (column % 2 ? 0 : 4)) & 0xF];
        case 8: return palette_[row[column]];
        case 16: {
            // 5-5-5, blue in the low bits; each channel widened to 8 bits.
            unsigned value = row[column * 2] | (row[column * 2 + 1] << 8);
            auto widen = [](unsigned five) { return (five << 3) | (five >> 2); };
            return (widen((value >> 10) & 0x1F) << 16) | (widen((value >> 5) & 0x1F) << 8) | widen(value & 0x1F);
        }
        case 24: {
            const BYTE* bytes = row + column * 3;
            return (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[1]} << 8) | bytes[0];
        }
        default: {
            const BYTE* bytes = row + column * 4;
            return (std::uint32_t{bytes[3]} << 24) | (std::uint32_t{bytes[2]} << 16) |
                   (std::uint32_t{bytes[1]} << 8) | bytes[0];
        }
        }
    }

    std::nullopt_t fail(const std::string& what) {
        if (error_) *error_ = "icon image: " + what;
        return std::nullopt;
    }

    const BYTE* data_;
    std::size_t size_;
    std::string* error_;
    std::vector<std::uint32_t> palette_;
    std::vector<bool> transparentByMask_;
};

}  // namespace

std::optional<IconImage> decodeIconImage(const void* data, std::size_t size, std::string* error) {
    return IconDecoder(data, size, error).decode();
}

}  // namespace ce
