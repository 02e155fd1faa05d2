// Device contexts: origin, clip rectangles and the whole-screen DC.
#include "gdi_test_support.h"

namespace {

using gdi_test::GdiTest;

TEST_F(GdiTest, WholeScreenDcReachesEveryPixelAndNothingBeyond) {
    fillSolidRect(screenDc, RECT{-10, -10, 500, 500}, RGB(0, 255, 0));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0x00FF00), 240 * 320);
    EXPECT_EQ(GetDeviceCaps(screenDc, HORZRES), 240);
    EXPECT_EQ(GetDeviceCaps(screenDc, VERTRES), 320);
    EXPECT_EQ(ce::gdi::windowOf(screenDc), nullptr);
}

TEST_F(GdiTest, WindowDcDrawsFromItsOriginInsideItsClip) {
    HWND window = reinterpret_cast<HWND>(std::uintptr_t(0x4242));
    // A window at (50, 60) whose area is partly covered: two visible pieces.
    std::vector<RECT> visible{{50, 60, 100, 80}, {50, 80, 70, 110}};
    HDC dc = ce::gdi::createDeviceContext(*device, window, POINT{50, 60}, visible);
    EXPECT_EQ(ce::gdi::windowOf(dc), window);
    fillSolidRect(dc, RECT{0, 0, 1000, 1000}, RGB(255, 0, 0));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0xFF0000), 50 * 20 + 20 * 30);
    EXPECT_EQ(screen().pixel(50, 60), 0xFF0000u);
    EXPECT_EQ(screen().pixel(70, 80), 0u);   // the covered part
    EXPECT_EQ(screen().pixel(49, 60), 0u);

    // Logical (5, 5) is screen (55, 65); outside the clip reads fail.
    EXPECT_EQ(SetPixel(dc, 5, 5, RGB(0, 0, 255)), RGB(0, 0, 255));
    EXPECT_EQ(screen().pixel(55, 65), 0x0000FFu);
    EXPECT_EQ(GetPixel(dc, 30, 30), CLR_INVALID);
    EXPECT_EQ(GetPixel(screenDc, 80, 90), RGB(0, 0, 0));
    ce::gdi::releaseDeviceContext(dc);
    EXPECT_EQ(ce::gdi::windowOf(dc), nullptr);
    EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
}

TEST_F(GdiTest, SetClipReplacesTheClipAndNulloptMeansTheWholeScreen) {
    HDC dc = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, std::vector<RECT>{});
    fillSolidRect(dc, RECT{0, 0, 240, 320}, RGB(255, 255, 255));
    EXPECT_EQ(inkBounds(0), (RECT{0, 0, 0, 0}));  // an empty clip draws nothing

    ce::gdi::setClip(dc, std::vector<RECT>{{10, 10, 20, 20}});
    fillSolidRect(dc, RECT{0, 0, 240, 320}, RGB(255, 255, 255));
    EXPECT_EQ(inkBounds(0), (RECT{10, 10, 20, 20}));

    ce::gdi::setClip(dc, std::nullopt);
    fillSolidRect(dc, RECT{0, 0, 240, 320}, RGB(255, 255, 255));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0xFFFFFF), 240 * 320);
    ce::gdi::releaseDeviceContext(dc);
}

TEST_F(GdiTest, OverlappingClipRectanglesBlendEachPixelOnce) {
    // Half-transparent white over black gives one mid grey; blending twice
    // where the clip rectangles overlap would give a lighter one.
    std::vector<RECT> overlapping{{0, 0, 20, 20}, {10, 10, 30, 30}, {0, 0, 20, 20}};
    HDC dc = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, overlapping);
    std::vector<std::uint32_t> block(40 * 40, 0x80FFFFFF);
    ce::gdi::blitArgb(dc, 0, 0, block.data(), 40, 40);
    std::uint32_t grey = screen().pixel(5, 5);
    EXPECT_EQ(grey, 0x808080u);
    EXPECT_EQ(screen().pixel(15, 15), grey);
    EXPECT_EQ(screen().pixel(25, 25), grey);
    EXPECT_EQ(screen().pixel(25, 5), 0u);
    EXPECT_EQ(countPixels(RECT{0, 0, 40, 40}, grey), 400 + 400 - 100);
    ce::gdi::releaseDeviceContext(dc);
}

TEST_F(GdiTest, BlitArgbHonoursAlphaAndTheOrigin) {
    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0, 0, 255));
    HDC dc = ce::gdi::createDeviceContext(*device, nullptr, POINT{100, 100}, std::nullopt);
    // Transparent, opaque red, half green.
    const std::uint32_t icon[3] = {0x00FFFFFF, 0xFFFF0000, 0x8000FF00};
    ce::gdi::blitArgb(dc, 1, 2, icon, 3, 1);
    EXPECT_EQ(screen().pixel(101, 102), 0x0000FFu);
    EXPECT_EQ(screen().pixel(102, 102), 0xFF0000u);
    EXPECT_EQ(screen().pixel(103, 102), 0x00807Fu);
    // Partly off the screen: the visible part is drawn, nothing wraps.
    std::vector<std::uint32_t> big(300 * 2, 0xFFFFFFFF);
    ce::gdi::blitArgb(dc, 0, 0, big.data(), 300, 2);
    EXPECT_EQ(countPixels(RECT{0, 100, 240, 102}, 0xFFFFFF), 140 * 2);
    EXPECT_EQ(screen().pixel(0, 101), 0x0000FFu);
    ce::gdi::releaseDeviceContext(dc);
}

TEST_F(GdiTest, ReleasedOrUnknownDcsDrawNothing) {
    HDC dc = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, std::nullopt);
    ce::gdi::releaseDeviceContext(dc);
    ce::gdi::releaseDeviceContext(dc);  // a second release is harmless
    RECT rect{0, 0, 10, 10};
    SetBkColor(dc, RGB(255, 255, 255));
    EXPECT_FALSE(ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
    EXPECT_FALSE(Rectangle(dc, 0, 0, 10, 10));
    EXPECT_EQ(DrawTextW(dc, u"x", 1, &rect, DT_LEFT), 0);
    EXPECT_EQ(inkBounds(0), (RECT{0, 0, 0, 0}));
}

}  // namespace
