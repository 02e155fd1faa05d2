#pragma once

#include "resources/resource_name.h"

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ce {

// One resource of a compiled .res file: its header fields and where its
// bytes are (offset from the start of the file).
struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    DWORD dataVersion = 0;
    WORD memoryFlags = 0;
    WORD language = 0;
    DWORD version = 0;
    DWORD characteristics = 0;
    std::size_t dataOffset = 0;
    DWORD dataSize = 0;
};

// Parses the .res format: a sequence of DWORD-aligned entries (DataSize,
// HeaderSize, TYPE, NAME, DataVersion, MemoryFlags, LanguageId, Version,
// Characteristics, then the data), the first one the empty 32-byte entry
// that marks a 32-bit file. Every length is checked against the file. On a
// malformed file: nothing, and *error names fileLabel, the offset and the
// fault. The empty first entry is not returned.
std::optional<std::vector<ResourceEntry>> parseResFile(const void* data, std::size_t size,
                                                       const std::string& fileLabel, std::string* error);

}  // namespace ce
