// DC defaults and attributes, stock objects, system colours, device caps.
#include "gdi_test_support.h"

namespace {

using gdi_test::GdiTest;

TEST_F(GdiTest, NewDcHasTheDocumentedDefaults) {
    EXPECT_EQ(GetBkColor(screenDc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(screenDc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(screenDc), OPAQUE);
    EXPECT_EQ(SelectObject(screenDc, GetStockObject(BLACK_BRUSH)), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(screenDc, GetStockObject(WHITE_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(screenDc, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
}

TEST_F(GdiTest, AttributeSettersReturnThePreviousValue) {
    EXPECT_EQ(SetBkColor(screenDc, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkColor(screenDc, RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(SetTextColor(screenDc, RGB(7, 8, 9)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(screenDc), RGB(7, 8, 9));
    EXPECT_EQ(SetBkMode(screenDc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(screenDc, 7), 0);  // not a mode: refused, unchanged
    EXPECT_EQ(GetBkMode(screenDc), TRANSPARENT);

    // Attributes belong to one DC only.
    HDC other = ce::gdi::createDeviceContext(*device, nullptr, POINT{0, 0}, std::nullopt);
    EXPECT_EQ(GetBkColor(other), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(other), OPAQUE);
    ce::gdi::releaseDeviceContext(other);

    HDC unknown = reinterpret_cast<HDC>(std::uintptr_t(0x77));
    EXPECT_EQ(SetBkColor(unknown, 0), CLR_INVALID);
    EXPECT_EQ(GetTextColor(unknown), CLR_INVALID);
    EXPECT_EQ(SetBkMode(unknown, OPAQUE), 0);
}

TEST_F(GdiTest, StockObjectsAreSharedAndSurviveDeletion) {
    for (int index : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN,
                      BLACK_PEN, NULL_PEN, SYSTEM_FONT}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        EXPECT_EQ(GetStockObject(index), stock);
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(SelectObject(screenDc, stock), nullptr) << index;
    }
    EXPECT_EQ(GetStockObject(99), nullptr);
    // The stock brushes still paint after "deletion".
    RECT rect{0, 0, 4, 4};
    FillRect(screenDc, &rect, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(screen().pixel(0, 0), 0x808080u);
}

TEST_F(GdiTest, SelectObjectRejectsUnknownHandles) {
    EXPECT_EQ(SelectObject(screenDc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(screenDc, reinterpret_cast<HGDIOBJ>(std::uintptr_t(0x99))), nullptr);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(std::uintptr_t(0x99)), GetStockObject(BLACK_BRUSH)), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    // A deleted brush is gone for good.
    HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(screenDc, brush), nullptr);
    RECT rect{0, 0, 4, 4};
    EXPECT_EQ(FillRect(screenDc, &rect, brush), 0);
}

TEST_F(GdiTest, SystemColoursFollowThePocketPcPalette) {
    struct Case {
        int index;
        COLORREF color;
    };
    const Case cases[] = {
        {COLOR_WINDOW, RGB(255, 255, 255)},     {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_BTNFACE, RGB(192, 192, 192)},    {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_ACTIVECAPTION, RGB(0, 0, 128)},  {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},  {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_HIGHLIGHT, RGB(0, 0, 128)},      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_STATIC, RGB(255, 255, 255)},     {COLOR_STATICTEXT, RGB(0, 0, 0)},
        {COLOR_GRAYTEXT, RGB(128, 128, 128)},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(GetSysColor(test.index), test.color) << test.index;
        // The device's system-colour flag names the same colour.
        EXPECT_EQ(GetSysColor(test.index | 0x40000000), test.color) << test.index;
        HBRUSH brush = GetSysColorBrush(test.index);
        EXPECT_EQ(GetSysColorBrush(test.index), brush);
        RECT rect{0, 0, 2, 2};
        FillRect(screenDc, &rect, brush);
        EXPECT_EQ(screen().pixelColorRef(1, 1), test.color) << test.index;
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_NE(FillRect(screenDc, &rect, brush), 0);  // still usable
    }
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(200), 0u);
    EXPECT_EQ(GetSysColorBrush(200), nullptr);
}

TEST_F(GdiTest, DeviceCapabilitiesDescribeTheScreen) {
    struct Case {
        int index;
        int value;
    };
    for (Case test : {Case{HORZRES, 240}, Case{VERTRES, 320}, Case{BITSPIXEL, 32}, Case{PLANES, 1},
                      Case{LOGPIXELSX, 96}, Case{LOGPIXELSY, 96}, Case{12345, 0}})
        EXPECT_EQ(GetDeviceCaps(screenDc, test.index), test.value) << test.index;
    EXPECT_EQ(GetDeviceCaps(reinterpret_cast<HDC>(std::uintptr_t(0x99)), HORZRES), 0);
}

}  // namespace
