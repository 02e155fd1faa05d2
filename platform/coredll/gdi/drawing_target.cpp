#include "gdi/drawing_target.h"

#include "gdi/screen.h"

namespace ce::gdi {

GraphicsHandles* activeGraphicsHandles() {
    Device* device = Device::activeOrNull();
    return device ? &device->get<GraphicsHandles>() : nullptr;
}

std::optional<DrawingTarget> drawingTarget(HDC dc) {
    Device* device = Device::activeOrNull();
    if (!device || !dc) return std::nullopt;
    std::optional<DrawingState> state = device->get<GraphicsHandles>().drawingState(dc);
    if (!state) return std::nullopt;
    return DrawingTarget{device, std::move(*state)};
}

void paint(const DrawingTarget& target, const std::function<void(Canvas&)>& painter) {
    target.device->get<Screen>().draw([&](PixelView& view) {
        Canvas canvas(view, target.state.origin, target.state.clip.get());
        painter(canvas);
    });
}

void inspect(const DrawingTarget& target, const std::function<void(const Canvas&)>& reader) {
    target.device->get<Screen>().inspect([&](const PixelView& view) {
        PixelView copy = view;
        const Canvas canvas(copy, target.state.origin, target.state.clip.get());
        reader(canvas);
    });
}

}  // namespace ce::gdi
