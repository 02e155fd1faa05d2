#pragma once

#include "device/device.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

// Device contexts as the window manager and other platform parts make and
// use them. Drawing through a DC is clipped to its clip rectangles and the
// screen; logical (0,0) is at the DC's origin on the screen.
namespace ce::gdi {

// A new DC for window (may be null). origin: screen position of logical
// (0,0). clip: screen rectangles drawing may touch; std::nullopt means the
// whole screen, not clipped by any window.
HDC createDeviceContext(Device& device, HWND window, POINT origin, std::optional<std::vector<RECT>> clip);
// Forgets the DC; its selected objects stay alive. Unknown handles are ignored.
void releaseDeviceContext(HDC dc);
// Replaces the DC's clip (same meaning as in createDeviceContext).
void setClip(HDC dc, std::optional<std::vector<RECT>> clip);
// The window the DC was made for; null for a screen DC or an unknown handle.
HWND windowOf(HDC dc);

// Draws a width x height block of 0xAARRGGBB pixels with its top-left
// corner at logical (x, y), blending by alpha (0 = transparent).
void blitArgb(HDC dc, int x, int y, const std::uint32_t* argb, int width, int height);

}  // namespace ce::gdi
