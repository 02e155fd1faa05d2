// Line breaking and prefix removal for DrawText, measured with a fixed
// 10 pixels a character (internal helpers: glyph widths would hide the rules).
#include "gdi/text_lines.h"
#include "gdi/utf16.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> linesOf(std::u16string_view text, UINT format, int width) {
    auto measure = [](std::u16string_view part) { return int(part.size()) * 10; };
    std::vector<std::u16string> result;
    for (const auto& line : ce::gdi::breakIntoLines(text, format, width, measure)) {
        EXPECT_EQ(line.width, int(line.text.size()) * 10);
        result.push_back(line.text);
    }
    return result;
}

TEST(TextLines, BreaksAtLineEndsAndBetweenWords) {
    struct Case {
        const char16_t* text;
        UINT format;
        int width;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {u"one two", DT_SINGLELINE, 10, {u"one two"}},
        {u"one\ntwo", DT_SINGLELINE, 10, {u"one\ntwo"}},
        {u"one\ntwo\r\nthree\rfour", 0, 1000, {u"one", u"two", u"three", u"four"}},
        {u"one\n\ntwo\n", 0, 1000, {u"one", u"", u"two"}},
        {u"", 0, 100, {u""}},
        {u"one two three", 0, 50, {u"one two three"}},
        {u"one two three", DT_WORDBREAK, 70, {u"one two", u"three"}},
        {u"one two three", DT_WORDBREAK, 69, {u"one", u"two", u"three"}},
        {u"one   two", DT_WORDBREAK, 50, {u"one", u"two"}},
        {u"  indented text", DT_WORDBREAK, 110, {u"  indented", u"text"}},
        {u"enormous a", DT_WORDBREAK, 30, {u"enormous", u"a"}},
        {u"one two\nthree four", DT_WORDBREAK, 80, {u"one two", u"three", u"four"}},
        {u"trailing   ", DT_WORDBREAK, 200, {u"trailing"}},
        {u"   ", DT_WORDBREAK, 200, {u""}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.text, test.text + std::char_traits<char16_t>::length(test.text)));
        EXPECT_EQ(linesOf(test.text, test.format, test.width), test.lines);
    }
}

TEST(TextLines, PrefixesAreRemoved) {
    struct Case {
        const char16_t* text;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"&OK", u"OK"}, {u"A&&B", u"A&B"}, {u"&&&x", u"&x"}, {u"end&", u"end"}, {u"none", u"none"},
    };
    for (const Case& test : cases) EXPECT_EQ(ce::gdi::withoutPrefixes(test.text), test.shown);
}

TEST(Utf16, SurrogatePairsDecodeToOneCodePoint) {
    struct Case {
        std::u16string text;
        std::vector<char32_t> codePoints;
    };
    const Case cases[] = {
        {u"A\U0001F600B", {U'A', U'\U0001F600', U'B'}},
        {std::u16string{char16_t(0xD83D)}, {U'\uFFFD'}},               // lone high half at the end
        {std::u16string{char16_t(0xDE00), u'x'}, {U'\uFFFD', U'x'}},   // lone low half
        {std::u16string{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00)}, {U'\uFFFD', U'\U0001F600'}},
    };
    for (const Case& test : cases) {
        std::vector<char32_t> decoded;
        std::size_t units = 0;
        for (const auto& codePoint : ce::gdi::decodeUtf16(test.text)) {
            decoded.push_back(codePoint.value);
            EXPECT_EQ(codePoint.firstUnit, units);
            units += codePoint.unitCount;
        }
        EXPECT_EQ(decoded, test.codePoints);
        EXPECT_EQ(units, test.text.size());
    }
}

}  // namespace
