// Cost of the drawing the display test and the dialogs depend on: a
// whole-screen opaque fill (each colour-test tap) and a line of text.
#include "device/device.h"
#include "gdi/device_context.h"

#include <benchmark/benchmark.h>
#include <windows.h>

#include <memory>
#include <optional>

namespace {

struct ScreenFixture {
    ScreenFixture(int width, int height) {
        ce::DeviceOptions options;
        options.screenWidth = width;
        options.screenHeight = height;
        device = std::make_unique<ce::Device>(options);
        dc = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, std::nullopt);
    }
    ~ScreenFixture() { ce::gdi::releaseDeviceContext(dc); }

    std::unique_ptr<ce::Device> device;
    HDC dc;
};

// MFC's FillSolidRect over the whole screen, alternating colours.
void WholeScreenOpaqueFill(benchmark::State& state) {
    int width = int(state.range(0));
    int height = int(state.range(1));
    ScreenFixture screen(width, height);
    RECT rect{0, 0, width, height};
    COLORREF colors[2] = {RGB(0, 0, 255), RGB(255, 0, 0)};
    int step = 0;
    for (auto _ : state) {
        SetBkColor(screen.dc, colors[step++ & 1]);
        ExtTextOutW(screen.dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(WholeScreenOpaqueFill)->Args({240, 320})->Args({480, 640});

// One button caption, centred, with the glyphs already cached.
void LineOfText(benchmark::State& state) {
    ScreenFixture screen(240, 320);
    RECT rect{10, 100, 230, 130};
    SetBkMode(screen.dc, TRANSPARENT);
    for (auto _ : state) {
        RECT target = rect;
        benchmark::DoNotOptimize(DrawTextW(screen.dc, u"Start Check: look for dead pixels", -1, &target,
                                           DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    }
}
BENCHMARK(LineOfText);

}  // namespace
