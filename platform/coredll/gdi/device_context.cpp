#include "gdi/device_context.h"

#include "gdi/drawing_target.h"
#include "gdi/graphics_handles.h"

namespace ce::gdi {

HDC createDeviceContext(Device& device, HWND window, POINT origin, std::optional<std::vector<RECT>> clip) {
    return device.get<GraphicsHandles>().createDeviceContext(window, origin, std::move(clip));
}

void releaseDeviceContext(HDC dc) {
    if (GraphicsHandles* handles = activeGraphicsHandles()) handles->releaseDeviceContext(dc);
}

void setClip(HDC dc, std::optional<std::vector<RECT>> clip) {
    if (GraphicsHandles* handles = activeGraphicsHandles()) handles->setClip(dc, std::move(clip));
}

HWND windowOf(HDC dc) {
    GraphicsHandles* handles = activeGraphicsHandles();
    return handles ? handles->windowOf(dc) : nullptr;
}

void blitArgb(HDC dc, int x, int y, const std::uint32_t* argb, int width, int height) {
    if (!argb || width <= 0 || height <= 0) return;
    std::optional<DrawingTarget> target = drawingTarget(dc);
    if (!target) return;
    paint(*target, [&](Canvas& canvas) { canvas.blendArgb(x, y, argb, width, height); });
}

}  // namespace ce::gdi
