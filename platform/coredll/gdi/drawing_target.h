#pragma once

#include "device/device.h"
#include "gdi/canvas.h"
#include "gdi/device_context_state.h"
#include "gdi/graphics_handles.h"

#include <functional>
#include <optional>

// Locking in the graphics layer: callers may hold the device lock; below it
// the handle table, the font engine and the screen each have their own lock,
// and no call holds two of those at once, so painting on many threads
// cannot deadlock. A drawing call copies the DC's state first, lays out any
// text, then draws with only the screen locked.
namespace ce::gdi {

// The graphics handle table of the running device; null when none runs
// (then no DC can exist either).
GraphicsHandles* activeGraphicsHandles();

// A DC resolved for one drawing call: its device and a copy of its state.
struct DrawingTarget {
    Device* device;
    DrawingState state;
};

std::optional<DrawingTarget> drawingTarget(HDC dc);

// Runs painter on the locked screen with a canvas clipped as the DC is.
void paint(const DrawingTarget& target, const std::function<void(Canvas&)>& painter);
// The same for reading only: the screen does not count a new frame.
void inspect(const DrawingTarget& target, const std::function<void(const Canvas&)>& reader);

}  // namespace ce::gdi
