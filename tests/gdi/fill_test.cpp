// Opaque fills, brushes, rectangles and single pixels on the screen.
#include "gdi_test_support.h"

namespace {

using gdi_test::GdiTest;

TEST_F(GdiTest, OpaqueEmptyTextFillsExactlyTheRectangle) {
    RECT rect{10, 20, 50, 70};
    fillSolidRect(screenDc, rect, RGB(255, 0, 0));
    EXPECT_EQ(countPixels(rect, 0xFF0000), 40 * 50);
    // Right and bottom edges are excluded; nothing else changes.
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0xFF0000), 40 * 50);
    EXPECT_EQ(screen().pixel(50, 20), 0u);
    EXPECT_EQ(screen().pixel(10, 70), 0u);
    EXPECT_EQ(screen().pixel(9, 19), 0u);
}

TEST_F(GdiTest, ColourReferencesLandAsRedGreenBlueInTheFramebuffer) {
    struct Case {
        COLORREF color;
        std::uint32_t framebuffer;
    };
    // The eight colours of the display test, in COLORREF's 0x00BBGGRR.
    const Case cases[] = {
        {0x00FF0000, 0x0000FF}, {0x000000FF, 0xFF0000}, {0x0000FF00, 0x00FF00}, {0x0000FFFF, 0xFFFF00},
        {0x00FF00FF, 0xFF00FF}, {0x00FFFF00, 0x00FFFF}, {0x00FFFFFF, 0xFFFFFF}, {0x00000000, 0x000000},
        {RGB(0x12, 0x34, 0x56), 0x123456},
    };
    for (const Case& test : cases) {
        fillSolidRect(screenDc, RECT{0, 0, 240, 320}, test.color);
        SCOPED_TRACE(test.color);
        EXPECT_EQ(screen().pixel(0, 0), test.framebuffer);
        EXPECT_EQ(screen().pixel(239, 319), test.framebuffer);
        EXPECT_EQ(screen().pixelColorRef(120, 160), test.color);
        EXPECT_EQ(GetPixel(screenDc, 5, 5), test.color);
    }
}

TEST_F(GdiTest, FillRectTakesBrushesAndSystemColourIndexes) {
    HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    struct Case {
        HBRUSH brush;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {green, 0x00C800},
        {static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 0x000000},
        {static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)), 0xC0C0C0},
        {GetSysColorBrush(COLOR_ACTIVECAPTION), 0x000080},
        // Win32 accepts COLOR_x + 1 in place of a brush.
        {reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), 0xC0C0C0},
        {reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), 0xFFFFFF},
    };
    for (const Case& test : cases) {
        fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(1, 2, 3));
        RECT rect{5, 5, 15, 25};
        EXPECT_NE(FillRect(screenDc, &rect, test.brush), 0);
        EXPECT_EQ(countPixels(rect, test.expected), 10 * 20) << std::hex << test.expected;
        EXPECT_EQ(screen().pixel(15, 5), 0x010203u);
    }
    EXPECT_TRUE(DeleteObject(green));
}

TEST_F(GdiTest, FillRectRefusesWhatIsNotABrush) {
    RECT rect{0, 0, 10, 10};
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    EXPECT_EQ(FillRect(screenDc, &rect, reinterpret_cast<HBRUSH>(pen)), 0);
    EXPECT_EQ(FillRect(screenDc, &rect, reinterpret_cast<HBRUSH>(std::uintptr_t(500))), 0);
    EXPECT_EQ(FillRect(screenDc, &rect, nullptr), 0);
    EXPECT_EQ(FillRect(screenDc, nullptr, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);
    EXPECT_EQ(FillRect(reinterpret_cast<HDC>(std::uintptr_t(0x1234)), &rect,
                       static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))),
              0);
    // A hollow brush succeeds and paints nothing.
    EXPECT_NE(FillRect(screenDc, &rect, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 0);
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0), 240 * 320);
    DeleteObject(pen);
}

TEST_F(GdiTest, RectangleDrawsPenOutlineAroundBrushFill) {
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(screenDc, brush);
    HGDIOBJ oldPen = SelectObject(screenDc, pen);
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    ASSERT_TRUE(Rectangle(screenDc, 10, 10, 20, 30));
    // Outline on the outer ring of [10,20) x [10,30), brush inside.
    EXPECT_EQ(countPixels(RECT{10, 10, 20, 30}, 0xFF0000), 2 * 10 + 2 * 18);
    EXPECT_EQ(countPixels(RECT{11, 11, 19, 29}, 0x0000FF), 8 * 18);
    EXPECT_EQ(screen().pixel(20, 10), 0u);
    EXPECT_EQ(screen().pixel(10, 30), 0u);

    // With a null pen the fill is one pixel smaller, as in Win32.
    SelectObject(screenDc, GetStockObject(NULL_PEN));
    ASSERT_TRUE(Rectangle(screenDc, 50, 50, 60, 60));
    EXPECT_EQ(countPixels(RECT{50, 50, 61, 61}, 0x0000FF), 9 * 9);
    EXPECT_EQ(screen().pixel(59, 59), 0u);

    // Objects still selected are not deleted; after deselecting they are.
    EXPECT_FALSE(DeleteObject(brush));
    SelectObject(screenDc, oldBrush);
    SelectObject(screenDc, oldPen);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
}

TEST_F(GdiTest, WidePenIsCentredOnTheOutline) {
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(255, 255, 255));
    SelectObject(screenDc, pen);
    SelectObject(screenDc, GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(Rectangle(screenDc, 20, 20, 40, 40));
    EXPECT_EQ(inkBounds(0), (RECT{19, 19, 41, 41}));
    EXPECT_EQ(screen().pixel(21, 21), 0xFFFFFFu);
    EXPECT_EQ(screen().pixel(22, 22), 0u);  // hollow inside
    SelectObject(screenDc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(GdiTest, DashedPenLeavesGapsInTheBackgroundColourWhenOpaque) {
    HPEN pen = CreatePen(PS_DASH, 1, RGB(255, 255, 255));
    SelectObject(screenDc, pen);
    SelectObject(screenDc, GetStockObject(NULL_BRUSH));
    SetBkColor(screenDc, RGB(0, 255, 0));
    Rectangle(screenDc, 0, 0, 100, 2);
    int dashes = countPixels(RECT{0, 0, 100, 1}, 0xFFFFFF);
    int gaps = countPixels(RECT{0, 0, 100, 1}, 0x00FF00);
    EXPECT_GT(dashes, 0);
    EXPECT_GT(gaps, 0);
    EXPECT_EQ(dashes + gaps, 100);

    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0, 0, 0));
    SetBkMode(screenDc, TRANSPARENT);
    Rectangle(screenDc, 0, 0, 100, 2);
    EXPECT_EQ(countPixels(RECT{0, 0, 100, 1}, 0x00FF00), 0);
    EXPECT_EQ(countPixels(RECT{0, 0, 100, 1}, 0xFFFFFF), dashes);
    SelectObject(screenDc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(GdiTest, FocusRectangleIsDottedAndASecondCallRemovesIt) {
    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(255, 255, 255));
    RECT rect{10, 10, 30, 20};
    ASSERT_TRUE(DrawFocusRect(screenDc, &rect));
    int dots = countPixels(rect, 0x000000);
    // Every other pixel of the 56-pixel border.
    EXPECT_EQ(dots, 28);
    EXPECT_EQ(countPixels(RECT{11, 11, 29, 19}, 0x000000), 0);
    ASSERT_TRUE(DrawFocusRect(screenDc, &rect));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0xFFFFFF), 240 * 320);
}

TEST_F(GdiTest, SetPixelAndGetPixelStayOnTheScreen) {
    EXPECT_EQ(SetPixel(screenDc, 3, 4, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(screen().pixel(3, 4), 0x0A141Eu);
    EXPECT_EQ(GetPixel(screenDc, 3, 4), RGB(10, 20, 30));
    struct Outside {
        int x, y;
    };
    for (Outside point : {Outside{-1, 0}, Outside{0, -1}, Outside{240, 0}, Outside{0, 320}, Outside{1 << 30, 5}}) {
        EXPECT_EQ(SetPixel(screenDc, point.x, point.y, RGB(1, 1, 1)), CLR_INVALID);
        EXPECT_EQ(GetPixel(screenDc, point.x, point.y), CLR_INVALID);
    }
}

TEST_F(GdiTest, HugeCoordinatesAreClippedNotWrapped) {
    RECT huge{-2000000000, -2000000000, 2000000000, 2000000000};
    fillSolidRect(screenDc, huge, RGB(0, 0, 255));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0x0000FF), 240 * 320);
    HDC shifted = ce::gdi::createDeviceContext(*device, nullptr, POINT{100, 100}, std::nullopt);
    RECT beyond{2147483600, 0, 2147483647, 10};
    fillSolidRect(shifted, beyond, RGB(255, 0, 0));
    EXPECT_EQ(countPixels(RECT{0, 0, 240, 320}, 0xFF0000), 0);
    ce::gdi::releaseDeviceContext(shifted);
}

}  // namespace
