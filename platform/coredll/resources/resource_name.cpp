#include "resources/resource_name.h"

namespace ce {

ResourceName ResourceName::fromText(std::u16string text) {
    for (char16_t& unit : text)
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    return {false, 0, std::move(text)};
}

std::optional<ResourceName> ResourceName::fromArgument(LPCWSTR argument) {
    if (argument == nullptr) return std::nullopt;
    if (IS_INTRESOURCE(argument)) return fromOrdinal(LOWORD(reinterpret_cast<ULONG_PTR>(argument)));
    std::u16string text(argument);
    if (text.size() > 1 && text[0] == u'#') {
        // "#123" names the ordinal 123; anything else after '#' is a plain name.
        DWORD value = 0;
        bool digits = true;
        for (std::size_t index = 1; index < text.size() && digits; ++index) {
            digits = text[index] >= u'0' && text[index] <= u'9';
            value = value * 10 + static_cast<DWORD>(text[index] - u'0');
            if (value > 0xFFFF) digits = false;
        }
        if (digits) return fromOrdinal(static_cast<WORD>(value));
    }
    return fromText(std::move(text));
}

std::string ResourceName::describe() const {
    if (isOrdinal) return "#" + std::to_string(ordinal);
    std::string narrow;
    for (char16_t unit : text) narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return narrow;
}

}  // namespace ce
