#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ce {

// A resource type or name: an ordinal (MAKEINTRESOURCE) or a string. The
// resource compiler stores string names in upper case and lookups ignore
// case, so strings are kept upper-cased.
struct ResourceName {
    bool isOrdinal = true;
    WORD ordinal = 0;
    std::u16string text;

    static ResourceName fromOrdinal(WORD ordinal) { return {true, ordinal, {}}; }
    static ResourceName fromText(std::u16string text);
    // What a caller passes to FindResource: MAKEINTRESOURCE(id), "#123"
    // (the decimal ordinal 123) or a name. Null gives nothing.
    static std::optional<ResourceName> fromArgument(LPCWSTR argument);

    bool operator==(const ResourceName& other) const = default;
    // For messages: "#102" or "NAME".
    std::string describe() const;
};

}  // namespace ce
