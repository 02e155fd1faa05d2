#pragma once

#include <windows.h>

namespace ce {

// Window extra bytes of the static class: its icon, then its font.
inline constexpr int staticIconOffset = 0;
inline constexpr int staticFontOffset = static_cast<int>(sizeof(LONG_PTR));
inline constexpr int staticExtraBytes = static_cast<int>(2 * sizeof(LONG_PTR));

// The window procedure of the system's static class: left, centred or
// right-aligned text, or an icon (SS_ICON).
LRESULT CALLBACK staticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ce
