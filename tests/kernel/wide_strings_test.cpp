// The lstr* string calls, including their NULL handling.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

struct CompareCase {
    LPCWSTR first;
    LPCWSTR second;
    int exact;
    int ignoringCase;
};

TEST(WideStringTest, ComparisonsOrderByCodeUnitAndFoldLetterCase) {
    const CompareCase cases[] = {
        {u"HHTaskBar", u"HHTaskBar", 0, 0},
        {u"HHTaskBar", u"hhtaskbar", -1, 0},
        {u"abc", u"abd", -1, -1},
        {u"abc", u"ab", 1, 1},
        {u"", u"a", -1, -1},
        {u"\u00c4rger", u"\u00e4RGER", -1, 0},
        {u"[", u"a", -1, -1},  // '[' lies between the cases: folding must go to lower case
        {nullptr, u"a", -1, -1},
        {nullptr, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(lstrcmpW(c.first, c.second)), c.exact);
        EXPECT_EQ(sign(lstrcmpW(c.second, c.first)), -c.exact);
        EXPECT_EQ(sign(lstrcmpiW(c.first, c.second)), c.ignoringCase);
    }
}

TEST(WideStringTest, LengthAndCopy) {
    EXPECT_EQ(lstrlenW(u"DKF:INIT+\r\n"), 11);
    EXPECT_EQ(lstrlenW(u""), 0);
    EXPECT_EQ(lstrlenW(nullptr), 0);
    WCHAR buffer[16];
    for (auto& c : buffer) c = u'#';
    EXPECT_EQ(lstrcpyW(buffer, u"Start Check"), buffer);
    EXPECT_EQ(std::u16string(buffer), u"Start Check");
    EXPECT_EQ(buffer[12], u'#');
    EXPECT_EQ(lstrcpyW(buffer, nullptr), nullptr);
}

}  // namespace
