#pragma once

#include "device/device.h"
#include "gdi/device_context_state.h"
#include "gdi/graphics_objects.h"

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ce::gdi {

// The device's table of graphics handles: DCs and the brushes, pens and
// fonts they select, stock objects included. It has its own lock (not the
// device lock) because painting runs on many threads; nothing else is ever
// locked while it is held.
class GraphicsHandles : public DeviceComponent {
public:
    explicit GraphicsHandles(Device& device);

    HDC createDeviceContext(HWND window, POINT origin, std::optional<std::vector<RECT>> clip);
    void releaseDeviceContext(HDC dc);
    bool setClip(HDC dc, std::optional<std::vector<RECT>> clip);
    HWND windowOf(HDC dc);

    // Runs change on the DC's state under the lock; false for an unknown DC.
    template <class Change>
    bool changeContext(HDC dc, Change&& change) {
        std::lock_guard<std::mutex> guard(mutex_);
        DeviceContextState* state = findContext(dc);
        if (!state) return false;
        change(*state);
        return true;
    }
    std::optional<DrawingState> drawingState(HDC dc);

    HGDIOBJ addObject(GraphicsObject object);
    HGDIOBJ stockObject(int index);
    HBRUSH systemColorBrush(int index);
    // The previously selected object of the same kind; null on failure.
    HGDIOBJ selectObject(HDC dc, HGDIOBJ object);
    bool deleteObject(HGDIOBJ object);
    // A brush handle, or a system colour index + 1 passed as a brush.
    std::optional<Brush> brushOf(HBRUSH brush);

private:
    struct ObjectEntry {
        GraphicsObject object;
        bool stock = false;
    };

    std::uintptr_t nextHandle();
    DeviceContextState* findContext(HDC dc);
    HGDIOBJ addObjectLocked(GraphicsObject object, bool stock);
    template <class T>
    T resolveLocked(HGDIOBJ handle, HGDIOBJ fallback);

    std::mutex mutex_;
    std::uintptr_t lastHandle_;
    std::unordered_map<std::uintptr_t, DeviceContextState> contexts_;
    std::unordered_map<std::uintptr_t, ObjectEntry> objects_;
    std::unordered_map<int, HGDIOBJ> stock_;
    std::unordered_map<int, HBRUSH> systemBrushes_;
};

}  // namespace ce::gdi
