// Text output through ExtTextOutW and the fonts a DC selects.
#include "gdi_test_support.h"

namespace {

using gdi_test::GdiTest;

HFONT makeFont(LONG height, LONG weight = FW_NORMAL) {
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWeight = weight;
    return CreateFontIndirectW(&description);
}

SIZE extentOf(HDC dc, std::u16string_view text) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size));
    return size;
}

TEST_F(GdiTest, TextDrawsInTheTextColourInsideItsCell) {
    HFONT font = makeFont(-40);
    SelectObject(screenDc, font);
    SetTextColor(screenDc, RGB(255, 0, 0));
    SetBkMode(screenDc, TRANSPARENT);
    SIZE size = extentOf(screenDc, u"Hello");
    ASSERT_TRUE(ExtTextOutW(screenDc, 20, 30, 0, nullptr, u"Hello", 5, nullptr));
    RECT ink = inkBounds(0);
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.right, 20 + size.cx);
    EXPECT_LE(ink.bottom, 30 + size.cy);
    // The glyphs are anti-aliased, but their stems are solid text colour.
    EXPECT_GT(countPixels(ink, 0xFF0000), 100);
    SelectObject(screenDc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
}

TEST_F(GdiTest, OpaqueModeFillsTheCellAndTransparentModeDoesNot) {
    SetBkColor(screenDc, RGB(0, 0, 255));
    SIZE size = extentOf(screenDc, u"ab");
    ExtTextOutW(screenDc, 0, 0, 0, nullptr, u"ab", 2, nullptr);
    // The whole cell is touched: background where no glyph covers it.
    EXPECT_EQ(inkBounds(0), (RECT{0, 0, size.cx, size.cy}));
    EXPECT_GT(countPixels(RECT{0, 0, size.cx, size.cy}, 0x0000FF), size.cx * size.cy / 2);

    SetBkMode(screenDc, TRANSPARENT);
    ExtTextOutW(screenDc, 100, 100, 0, nullptr, u"ab", 2, nullptr);
    EXPECT_EQ(countPixels(RECT{100, 100, 100 + size.cx, 100 + size.cy}, 0x0000FF), 0);
}

TEST_F(GdiTest, OpaqueAndClippedRectangleLimitTheText) {
    HFONT font = makeFont(-60);
    SelectObject(screenDc, font);
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(255, 255, 255));
    SetBkColor(screenDc, RGB(0, 255, 0));
    RECT box{10, 10, 30, 30};
    ASSERT_TRUE(ExtTextOutW(screenDc, 5, 0, ETO_OPAQUE | ETO_CLIPPED, &box, u"WWW", 3, nullptr));
    EXPECT_EQ(inkBounds(0), box);
    EXPECT_GT(countPixels(box, 0xFFFFFF), 0);  // text inside the box
    EXPECT_GT(countPixels(box, 0x00FF00), 0);  // fill around it

    // Without ETO_CLIPPED the text runs past the rectangle.
    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0, 0, 0));
    ExtTextOutW(screenDc, 5, 0, ETO_OPAQUE, &box, u"WWW", 3, nullptr);
    RECT ink = inkBounds(0);
    EXPECT_GT(ink.right, 100);
    SelectObject(screenDc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(GdiTest, ExplicitAdvancesPlaceEachCharacter) {
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(255, 255, 255));
    const int advances[] = {100, 10};
    ExtTextOutW(screenDc, 0, 0, 0, nullptr, u"ll", 2, advances);
    RECT ink = inkBounds(0);
    EXPECT_GE(ink.right, 100);
    EXPECT_EQ(countPixels(RECT{10, 0, 100, 40}, 0), 90 * 40);  // nothing between the two
}

TEST_F(GdiTest, DefaultSystemFontIsAboutElevenPixelsTall) {
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(screenDc, &metrics));
    EXPECT_GE(metrics.tmHeight, 11);
    EXPECT_LE(metrics.tmHeight, 14);
    EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent);
    EXPECT_GT(metrics.tmAveCharWidth, 3);
    EXPECT_EQ(extentOf(screenDc, u"Start Check").cy, metrics.tmHeight);
    EXPECT_EQ(extentOf(screenDc, u"").cx, 0);
}

TEST_F(GdiTest, PositiveFontHeightIsTheCellHeight) {
    for (LONG height : {8, 12, 20, 33, 64}) {
        HFONT font = makeFont(height);
        HGDIOBJ previous = SelectObject(screenDc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(screenDc, &metrics);
        EXPECT_EQ(metrics.tmHeight, height);
        EXPECT_EQ(extentOf(screenDc, u"x").cy, height);
        SelectObject(screenDc, previous);
        DeleteObject(font);
    }
}

TEST_F(GdiTest, SelectedFontChangesSizeAndWeight) {
    SIZE system = extentOf(screenDc, u"Hueprobe");
    HFONT large = makeFont(-30);
    HFONT bold = makeFont(-11, FW_BOLD);
    HGDIOBJ previous = SelectObject(screenDc, large);
    EXPECT_EQ(previous, GetStockObject(SYSTEM_FONT));
    SIZE largeSize = extentOf(screenDc, u"Hueprobe");
    EXPECT_GT(largeSize.cx, system.cx * 2);
    EXPECT_GT(largeSize.cy, system.cy * 2);
    EXPECT_EQ(SelectObject(screenDc, bold), large);
    SIZE boldSize = extentOf(screenDc, u"Hueprobe");
    EXPECT_GT(boldSize.cx, system.cx);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screenDc, &metrics);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    SelectObject(screenDc, previous);
    EXPECT_TRUE(DeleteObject(large));
    EXPECT_TRUE(DeleteObject(bold));
}

TEST_F(GdiTest, SurrogatePairIsOneCharacter) {
    // U+1D400 as a pair measures as one glyph; the lone halves as two
    // replacement glyphs.
    SIZE pair = extentOf(screenDc, u"\U0001D400");
    SIZE halves = extentOf(screenDc, std::u16string_view(u"\xD835\xD835", 2));
    SIZE replacement = extentOf(screenDc, u"\uFFFD");
    EXPECT_EQ(halves.cx, 2 * replacement.cx);
    EXPECT_GT(pair.cx, 0);
    EXPECT_LT(pair.cx, halves.cx);
}

TEST_F(GdiTest, TextCallsRejectBadArguments) {
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32W(screenDc, u"a", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(screenDc, nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(screenDc, u"a", 1, nullptr));
    EXPECT_FALSE(ExtTextOutW(screenDc, 0, 0, 0, nullptr, nullptr, 3, nullptr));
    EXPECT_FALSE(GetTextMetricsW(screenDc, nullptr));
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(inkBounds(0), (RECT{0, 0, 0, 0}));
}

}  // namespace
