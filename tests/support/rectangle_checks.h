#pragma once

// RECT comparison and printing for test expectations, and a window's
// rectangle as an expression. Header only; each test area includes it.
#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& first, const RECT& second) {
    return first.left == second.left && first.top == second.top && first.right == second.right &&
           first.bottom == second.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

// The window's rectangle in screen coordinates; (-1,-1,-1,-1) when the
// handle is not a window.
inline RECT windowRect(HWND window) {
    RECT rect{-1, -1, -1, -1};
    GetWindowRect(window, &rect);
    return rect;
}
