#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ce {

// Writes 0x00RRGGBB pixels (row-major) as an 8-bit RGB PNG. On failure
// returns false and a message naming the file and the cause.
bool writePngFile(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height,
                  std::string* error);

}  // namespace ce
