#include "resources/icon_group.h"

#include "resources/byte_reader.h"

#include <algorithm>
#include <cstdlib>

namespace ce {
namespace {

constexpr WORD iconResourceType = 1;  // 2 would be a cursor group

bool fail(std::string* error, const std::string& what) {
    if (error) *error = "icon group: " + what;
    return false;
}

// Colour depth of an entry; old groups leave bitCount 0 and give colours.
int depthOf(const IconGroupEntry& entry) {
    if (entry.bitCount != 0) return entry.bitCount * std::max<int>(entry.planes, 1);
    int depth = 0;
    for (int colours = entry.colorCount; colours > 1; colours >>= 1) ++depth;
    return depth;
}

}  // namespace

std::optional<IconGroup> parseIconGroup(const void* data, std::size_t size, std::string* error) {
    ByteReader reader(data, data ? size : 0);
    WORD reserved = 0, type = 0, count = 0;
    if (!reader.readWord(reserved) || !reader.readWord(type) || !reader.readWord(count)) {
        fail(error, "the header is cut short");
        return std::nullopt;
    }
    if (reserved != 0 || type != iconResourceType) {
        fail(error, "the header does not describe an icon group");
        return std::nullopt;
    }
    IconGroup group;
    for (WORD index = 0; index < count; ++index) {
        IconGroupEntry entry;
        BYTE width = 0, height = 0, unused = 0;
        if (!reader.readByte(width) || !reader.readByte(height) || !reader.readByte(entry.colorCount) ||
            !reader.readByte(unused) || !reader.readWord(entry.planes) || !reader.readWord(entry.bitCount) ||
            !reader.readDword(entry.bytesInResource) || !reader.readWord(entry.id)) {
            fail(error, "entry " + std::to_string(index + 1) + " of " + std::to_string(count) + " is cut short");
            return std::nullopt;
        }
        entry.width = width == 0 ? 256 : width;
        entry.height = height == 0 ? 256 : height;
        group.entries.push_back(entry);
    }
    return group;
}

const IconGroupEntry* chooseIconImage(const IconGroup& group, int width, int height) {
    const IconGroupEntry* best = nullptr;
    int bestDistance = 0;
    for (const IconGroupEntry& entry : group.entries) {
        int distance = std::abs(entry.width - width) + std::abs(entry.height - height);
        if (!best || distance < bestDistance || (distance == bestDistance && depthOf(entry) > depthOf(*best))) {
            best = &entry;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace ce
