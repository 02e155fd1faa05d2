#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ce::gdi {

// One character of a UTF-16 text and the code units it came from.
struct CodePoint {
    char32_t value;
    std::size_t firstUnit;
    std::size_t unitCount;  // 2 for a surrogate pair
};

// Decodes surrogate pairs; a lone surrogate becomes U+FFFD.
std::vector<CodePoint> decodeUtf16(std::u16string_view text);

}  // namespace ce::gdi
