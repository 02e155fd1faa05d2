#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ce {

// A decoded icon image: width x height pixels of 0xAARRGGBB, top row first.
// Alpha is 0 where the icon is transparent (its AND mask is set) and 255
// elsewhere, or the image's own alpha for 32-bit images that carry one.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;  // colour depth of the resource image
    std::vector<std::uint32_t> argb;
};

// Decodes an RT_ICON resource: a BITMAPINFOHEADER of twice the icon's
// height, the palette (1, 4 and 8 bits a pixel), the colour bits (1, 4, 8,
// 16, 24 or 32 bits a pixel) and the AND mask, rows bottom-up and
// DWORD-aligned. On a malformed image: nothing, and *error says why.
std::optional<IconImage> decodeIconImage(const void* data, std::size_t size, std::string* error);

}  // namespace ce
