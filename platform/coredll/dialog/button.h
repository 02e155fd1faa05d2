#pragma once

#include <windows.h>

namespace ce {

// Window extra bytes of the button class: its state bits, then its font.
inline constexpr int buttonStateOffset = 0;
inline constexpr int buttonFontOffset = static_cast<int>(sizeof(LONG_PTR));
inline constexpr int buttonExtraBytes = static_cast<int>(2 * sizeof(LONG_PTR));

// The window procedure of the system's button class: push buttons (default
// ones with a thicker border), check boxes, radio buttons and group boxes.
LRESULT CALLBACK buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ce
