#include "resources/predefined_icons.h"

namespace ce {
namespace {

constexpr WORD applicationIcon = 32512;  // IDI_APPLICATION
constexpr int iconSize = 32;
constexpr std::uint32_t frame = 0xFF000000u;
constexpr std::uint32_t caption = 0xFF000080u;
constexpr std::uint32_t client = 0xFFFFFFFFu;

}  // namespace

std::optional<IconImage> predefinedIconImage(WORD id) {
    if (id != applicationIcon) return std::nullopt;
    IconImage image;
    image.width = iconSize;
    image.height = iconSize;
    image.bitCount = 32;
    image.argb.assign(iconSize * iconSize, 0);  // transparent around the window
    for (int y = 3; y < 29; ++y)
        for (int x = 2; x < 30; ++x) {
            bool edge = y == 3 || y == 28 || x == 2 || x == 29;
            image.argb[y * iconSize + x] = edge ? frame : (y < 9 ? caption : client);
        }
    return image;
}

}  // namespace ce
