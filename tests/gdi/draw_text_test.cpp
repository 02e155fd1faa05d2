// DrawTextW: alignment, line breaking, prefixes and measuring.
#include "gdi_test_support.h"

namespace {

using gdi_test::GdiTest;

int lineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

int widthOf(HDC dc, std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    return size.cx;
}

TEST_F(GdiTest, HorizontalAlignmentPlacesTheText) {
    struct Case {
        UINT format;
        const char* name;
    };
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(255, 255, 255));
    const RECT box{20, 40, 220, 100};
    int textWidth = widthOf(screenDc, u"Start Check");
    for (Case test : {Case{DT_LEFT, "left"}, Case{DT_CENTER, "centre"}, Case{DT_RIGHT, "right"}}) {
        SCOPED_TRACE(test.name);
        fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0, 0, 0));
        RECT rect = box;
        DrawTextW(screenDc, u"Start Check", -1, &rect, test.format | DT_SINGLELINE | DT_VCENTER);
        RECT ink = inkBounds(0);
        ASSERT_LT(ink.left, ink.right);
        // Allow for the glyphs' side bearings.
        int expectedLeft = test.format == DT_CENTER ? 20 + (200 - textWidth) / 2
                           : test.format == DT_RIGHT ? 220 - textWidth
                                                      : 20;
        EXPECT_NEAR(ink.left, expectedLeft, 2);
        EXPECT_NEAR(ink.right, expectedLeft + textWidth, 2);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 70.0, 3.0);
    }
}

TEST_F(GdiTest, CentredTextIsCentredInTheRectangle) {
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(0, 255, 0));
    RECT rect{0, 0, 240, 320};
    int offset = DrawTextW(screenDc, u"HHHH", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT ink = inkBounds(0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 120.0, 1.5);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 160.0, 3.0);
    // With DT_VCENTER the result reaches from the top to the text's bottom.
    EXPECT_EQ(offset, (320 - lineHeight(screenDc)) / 2 + lineHeight(screenDc));
    EXPECT_GT(countPixels(ink, 0x00FF00), 0);
}

TEST_F(GdiTest, TextIsClippedToTheRectangleUnlessNoClip) {
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(255, 255, 255));
    RECT rect{10, 10, 30, 40};
    DrawTextW(screenDc, u"A long line of text", -1, &rect, DT_LEFT);
    RECT ink = inkBounds(0);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 30);
    EXPECT_GT(ink.right, ink.left);

    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0, 0, 0));
    DrawTextW(screenDc, u"A long line of text", -1, &rect, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(inkBounds(0).right, 60);
}

TEST_F(GdiTest, CalcRectMeasuresWithoutDrawing) {
    int height = lineHeight(screenDc);
    RECT single{5, 5, 200, 5};
    EXPECT_EQ(DrawTextW(screenDc, u"Exit", -1, &single, DT_CALCRECT | DT_SINGLELINE), height);
    EXPECT_EQ(single, (RECT{5, 5, 5 + widthOf(screenDc, u"Exit"), 5 + height}));

    RECT lines{0, 0, 200, 0};
    EXPECT_EQ(DrawTextW(screenDc, u"one\ntwo\r\nthree\r", -1, &lines, DT_CALCRECT), 3 * height);
    EXPECT_EQ(lines.right, widthOf(screenDc, u"three"));

    RECT wrapped{0, 0, 60, 0};
    int wrappedHeight = DrawTextW(screenDc, u"one two three four five six", -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(wrappedHeight, 3 * height);
    EXPECT_EQ(wrappedHeight % height, 0);
    EXPECT_LE(wrapped.right, 60);
    EXPECT_EQ(inkBounds(0), (RECT{0, 0, 0, 0}));
}

TEST_F(GdiTest, WordBreakDrawsSeveralLines) {
    SetBkMode(screenDc, TRANSPARENT);
    SetTextColor(screenDc, RGB(255, 255, 255));
    int height = lineHeight(screenDc);
    RECT rect{0, 0, 70, 200};
    EXPECT_EQ(DrawTextW(screenDc, u"one two three four", -1, &rect, DT_WORDBREAK), 2 * height);
    // Ink in the first two line bands, none below.
    EXPECT_LT(countPixels(RECT{0, 0, 70, height}, 0), 70 * height);
    EXPECT_LT(countPixels(RECT{0, height, 70, 2 * height}, 0), 70 * height);
    EXPECT_EQ(countPixels(RECT{0, 2 * height, 240, 320}, 0), 240 * (320 - 2 * height));
}

TEST_F(GdiTest, AmpersandPrefixesAreDroppedUnlessNoPrefix) {
    struct Case {
        const char16_t* text;
        UINT format;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"&Start Check", 0, u"Start Check"},
        {u"Save && Exit", 0, u"Save & Exit"},
        {u"E&xit&", 0, u"Exit"},
        {u"&Start", DT_NOPREFIX, u"&Start"},
    };
    for (const Case& test : cases) {
        RECT rect{0, 0, 240, 0};
        DrawTextW(screenDc, test.text, -1, &rect, test.format | DT_CALCRECT | DT_SINGLELINE);
        EXPECT_EQ(rect.right, widthOf(screenDc, test.shown));
    }
}

TEST_F(GdiTest, ExpandTabsMovesToTheNextTabStop) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(screenDc, &metrics);
    int tabStop = 8 * metrics.tmAveCharWidth;
    struct Case {
        const char16_t* text;
        int width;
    };
    const Case cases[] = {
        {u"\t", tabStop},
        {u"a\t", tabStop},
        {u"\t\t", 2 * tabStop},
        {u"\tx", tabStop + widthOf(screenDc, u"x")},
    };
    for (const Case& test : cases) {
        RECT rect{0, 0, 240, 0};
        DrawTextW(screenDc, test.text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        EXPECT_EQ(rect.right, test.width);
    }
}

TEST_F(GdiTest, CountLimitsTheText) {
    RECT part{0, 0, 240, 0};
    DrawTextW(screenDc, u"Exit now", 4, &part, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(part.right, widthOf(screenDc, u"Exit"));
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(DrawTextW(screenDc, u"x", -2, &rect, 0), 0);
    EXPECT_EQ(DrawTextW(screenDc, u"x", 1, nullptr, 0), 0);
}

}  // namespace
