#include "gdi/graphics_handles.h"

#include "geometry/region.h"
#include "gdi/stock_objects.h"
#include "gdi/system_colors.h"

namespace ce::gdi {

namespace {

// Table handles start well above the small values that FillRect takes as
// system colour indexes (COLOR_x + 1).
constexpr std::uintptr_t kFirstHandle = 0x10000;
constexpr std::uintptr_t kHandleStep = 0x10;

std::uintptr_t key(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

std::shared_ptr<const std::vector<RECT>> normalisedClip(std::optional<std::vector<RECT>> clip) {
    if (!clip) return nullptr;
    // Disjoint, so blending never touches a pixel twice.
    Region area;
    for (const RECT& rect : *clip) area.unite(rect);
    return std::make_shared<const std::vector<RECT>>(area.rects());
}

}  // namespace

GraphicsHandles::GraphicsHandles(Device&) : lastHandle_(kFirstHandle) {
    for (const StockObject& stock : stockObjects()) stock_[stock.index] = addObjectLocked(stock.object, true);
}

std::uintptr_t GraphicsHandles::nextHandle() {
    lastHandle_ += kHandleStep;
    return lastHandle_;
}

DeviceContextState* GraphicsHandles::findContext(HDC dc) {
    auto found = contexts_.find(key(dc));
    return found == contexts_.end() ? nullptr : &found->second;
}

HDC GraphicsHandles::createDeviceContext(HWND window, POINT origin, std::optional<std::vector<RECT>> clip) {
    std::lock_guard<std::mutex> guard(mutex_);
    DeviceContextState state;
    state.window = window;
    state.origin = origin;
    state.clip = normalisedClip(std::move(clip));
    state.brush = static_cast<HBRUSH>(stock_.at(WHITE_BRUSH));
    state.pen = static_cast<HPEN>(stock_.at(BLACK_PEN));
    state.font = static_cast<HFONT>(stock_.at(SYSTEM_FONT));
    std::uintptr_t handle = nextHandle();
    contexts_.emplace(handle, std::move(state));
    return reinterpret_cast<HDC>(handle);
}

void GraphicsHandles::releaseDeviceContext(HDC dc) {
    std::lock_guard<std::mutex> guard(mutex_);
    contexts_.erase(key(dc));
}

bool GraphicsHandles::setClip(HDC dc, std::optional<std::vector<RECT>> clip) {
    std::lock_guard<std::mutex> guard(mutex_);
    DeviceContextState* state = findContext(dc);
    if (!state) return false;
    state->clip = normalisedClip(std::move(clip));
    return true;
}

HWND GraphicsHandles::windowOf(HDC dc) {
    std::lock_guard<std::mutex> guard(mutex_);
    DeviceContextState* state = findContext(dc);
    return state ? state->window : nullptr;
}

template <class T>
T GraphicsHandles::resolveLocked(HGDIOBJ handle, HGDIOBJ fallback) {
    auto found = objects_.find(key(handle));
    if (found != objects_.end())
        if (const T* object = std::get_if<T>(&found->second.object)) return *object;
    return std::get<T>(objects_.at(key(fallback)).object);
}

std::optional<DrawingState> GraphicsHandles::drawingState(HDC dc) {
    std::lock_guard<std::mutex> guard(mutex_);
    DeviceContextState* state = findContext(dc);
    if (!state) return std::nullopt;
    DrawingState drawing;
    drawing.origin = state->origin;
    drawing.clip = state->clip;
    drawing.background = state->background;
    drawing.text = state->text;
    drawing.backgroundMode = state->backgroundMode;
    drawing.brush = resolveLocked<Brush>(state->brush, stock_.at(WHITE_BRUSH));
    drawing.pen = resolveLocked<Pen>(state->pen, stock_.at(BLACK_PEN));
    drawing.font = resolveLocked<Font>(state->font, stock_.at(SYSTEM_FONT));
    return drawing;
}

HGDIOBJ GraphicsHandles::addObjectLocked(GraphicsObject object, bool stock) {
    std::uintptr_t handle = nextHandle();
    objects_.emplace(handle, ObjectEntry{std::move(object), stock});
    return reinterpret_cast<HGDIOBJ>(handle);
}

HGDIOBJ GraphicsHandles::addObject(GraphicsObject object) {
    std::lock_guard<std::mutex> guard(mutex_);
    return addObjectLocked(std::move(object), false);
}

HGDIOBJ GraphicsHandles::stockObject(int index) {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = stock_.find(index);
    return found == stock_.end() ? nullptr : found->second;
}

HBRUSH GraphicsHandles::systemColorBrush(int index) {
    std::optional<COLORREF> color = systemColor(index);
    if (!color) return nullptr;
    std::lock_guard<std::mutex> guard(mutex_);
    HBRUSH& brush = systemBrushes_[index];
    // Owned by the system like a stock object: DeleteObject leaves it alone.
    if (!brush) brush = static_cast<HBRUSH>(addObjectLocked(Brush{*color, false}, true));
    return brush;
}

HGDIOBJ GraphicsHandles::selectObject(HDC dc, HGDIOBJ object) {
    std::lock_guard<std::mutex> guard(mutex_);
    DeviceContextState* state = findContext(dc);
    auto found = objects_.find(key(object));
    if (!state || found == objects_.end()) return nullptr;
    HGDIOBJ previous = nullptr;
    if (std::holds_alternative<Brush>(found->second.object)) {
        previous = state->brush;
        state->brush = static_cast<HBRUSH>(object);
    } else if (std::holds_alternative<Pen>(found->second.object)) {
        previous = state->pen;
        state->pen = static_cast<HPEN>(object);
    } else {
        previous = state->font;
        state->font = static_cast<HFONT>(object);
    }
    return previous;
}

bool GraphicsHandles::deleteObject(HGDIOBJ object) {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = objects_.find(key(object));
    if (found == objects_.end()) return false;
    if (found->second.stock) return true;
    // Refused while a DC still has it selected, so no DC loses its object.
    for (const auto& [handle, state] : contexts_)
        if (state.brush == object || state.pen == object || state.font == object) return false;
    objects_.erase(found);
    return true;
}

std::optional<Brush> GraphicsHandles::brushOf(HBRUSH brush) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        auto found = objects_.find(key(brush));
        if (found != objects_.end()) {
            if (const Brush* object = std::get_if<Brush>(&found->second.object)) return *object;
            return std::nullopt;
        }
    }
    // Win32 also takes COLOR_x + 1 in place of a brush.
    std::uintptr_t value = key(brush);
    if (value == 0 || value > 0x7FFFFFFF) return std::nullopt;
    std::optional<COLORREF> color = systemColor(int(value) - 1);
    if (!color) return std::nullopt;
    return Brush{*color, false};
}

}  // namespace ce::gdi
