#pragma once

#include "device/device.h"
#include "gdi/device_context.h"
#include "gdi/screen.h"
#include "rectangle_checks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gdi_test {

// A fresh device with a whole-screen DC; everything goes at the end.
class GdiTest : public ::testing::Test {
protected:
    explicit GdiTest(int width = 240, int height = 320) {
        ce::DeviceOptions options;
        options.screenWidth = width;
        options.screenHeight = height;
        device = std::make_unique<ce::Device>(options);
        screenDc = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, std::nullopt);
    }
    ~GdiTest() override {
        ce::gdi::releaseDeviceContext(screenDc);
        device.reset();
    }

    ce::Screen& screen() { return device->get<ce::Screen>(); }

    // MFC's FillSolidRect: background colour plus an opaque, empty ExtTextOut.
    static void fillSolidRect(HDC dc, RECT rect, COLORREF color) {
        SetBkColor(dc, color);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }

    // How many pixels of rect (screen coordinates) have the 0x00RRGGBB value.
    int countPixels(RECT rect, std::uint32_t rgb) {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (screen().pixel(x, y) == rgb) ++count;
        return count;
    }

    // Smallest rectangle around every pixel that differs from background;
    // empty (all zero) when there is none.
    RECT inkBounds(std::uint32_t background) {
        RECT bounds{0, 0, 0, 0};
        bool any = false;
        for (int y = 0; y < screen().height(); ++y)
            for (int x = 0; x < screen().width(); ++x) {
                if (screen().pixel(x, y) == background) continue;
                if (!any) bounds = RECT{x, y, x + 1, y + 1};
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
                any = true;
            }
        return bounds;
    }

    std::unique_ptr<ce::Device> device;
    HDC screenDc = nullptr;
};

}  // namespace gdi_test
