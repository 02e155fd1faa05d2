#pragma once

#include <windows.h>

#include <string>

namespace ce {

// UTF-16 (the platform's text) to UTF-8 (the host's); a lone surrogate
// becomes U+FFFD rather than producing invalid UTF-8.
std::string toUtf8(std::u16string_view text);
std::u16string toUtf16(std::string_view text);
// A NUL-terminated wide string, or empty for NULL.
std::u16string wideOrEmpty(LPCWSTR text);

}  // namespace ce
