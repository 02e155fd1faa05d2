#include "gdi/utf16.h"

namespace ce::gdi {

namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::vector<CodePoint> decodeUtf16(std::u16string_view text) {
    std::vector<CodePoint> result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            char32_t value = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            result.push_back({value, i, 2});
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            result.push_back({U'\uFFFD', i, 1});
        } else {
            result.push_back({char32_t(unit), i, 1});
        }
    }
    return result;
}

}  // namespace ce::gdi
