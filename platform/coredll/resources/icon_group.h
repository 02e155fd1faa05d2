#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ce {

// One image of an icon group (GRPICONDIRENTRY); its bits are the RT_ICON
// resource with ordinal id.
struct IconGroupEntry {
    int width = 0;   // 0 in the resource means 256
    int height = 0;
    BYTE colorCount = 0;
    WORD planes = 0;
    WORD bitCount = 0;
    DWORD bytesInResource = 0;
    WORD id = 0;
};

// An RT_GROUP_ICON resource (GRPICONDIR and its entries).
struct IconGroup {
    std::vector<IconGroupEntry> entries;
};

std::optional<IconGroup> parseIconGroup(const void* data, std::size_t size, std::string* error);

// The entry that best fits width x height: the closest size, then the most
// colours. Null for an empty group.
const IconGroupEntry* chooseIconImage(const IconGroup& group, int width, int height);

}  // namespace ce
