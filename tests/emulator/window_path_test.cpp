// Window paths as the scenario names them, resolved against a listing.
#include "handheld.h"
#include "scenario_runner.h"

#include <gtest/gtest.h>

namespace {

using namespace ceemu;

HWND handle(int n) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(n)); }

std::vector<WindowLine> sampleListing() {
    return {
        {handle(1), 0, "HHTaskBar", "", {0, 0, 240, 26}, true, true, false, false},
        {handle(2), 0, "Desktop", "", {0, 26, 240, 294}, true, true, true, false},
        {handle(3), 1, "Container", "", {0, 26, 240, 294}, true, true, false, false},
        {handle(4), 2, "Strip", "", {0, 254, 240, 294}, true, true, false, false},
        {handle(5), 2, "Content", "", {0, 26, 240, 254}, true, true, false, false},
        {handle(6), 0, "MenuBar", "", {0, 294, 240, 320}, false, true, false, true},
    };
}

TEST(WindowPathTest, ResolvesDesktopRelativeAndTopLevelPaths) {
    auto lines = sampleListing();
    struct Case {
        const char* path;
        int expected;
    } cases[] = {{"desktop", 2}, {"desktop/1", 3}, {"desktop/1/1", 4}, {"desktop/1/2", 5}, {"1", 1}, {"3", 6}};
    for (auto& test : cases) {
        std::string error;
        EXPECT_EQ(findWindowByPath(lines, test.path, &error), handle(test.expected)) << test.path << ": " << error;
    }
}

TEST(WindowPathTest, ExplainsPathsThatNameNoWindow) {
    auto lines = sampleListing();
    for (const char* path : {"desktop/2", "desktop/1/3", "4", "desktop/x", "0", ""}) {
        std::string error;
        EXPECT_EQ(findWindowByPath(lines, path, &error), nullptr) << path;
        EXPECT_FALSE(error.empty()) << path;
    }
}

TEST(WindowPathTest, ListingLineFormat) {
    auto lines = sampleListing();
    EXPECT_EQ(formatWindowLine(lines[1]), "Desktop \"\" (0,26,240,294) visible enabled [desktop]");
    EXPECT_EQ(formatWindowLine(lines[3]), "    Strip \"\" (0,254,240,294) visible enabled");
    EXPECT_EQ(formatWindowLine(lines[5]), "MenuBar \"\" (0,294,240,320) hidden enabled [menubar]");
}

// Each window stays on one line whatever its text holds.
TEST(WindowPathTest, ListingEscapesTextThatWouldBreakTheLine) {
    WindowLine line{handle(1), 0, "Bar", "Left\tRight \"quoted\" C:\\ two\nlines\x01", {0, 0, 1, 1},
                    true, true, false, false};
    EXPECT_EQ(formatWindowLine(line),
              "Bar \"Left\\tRight \\\"quoted\\\" C:\\\\ two\\nlines\\x01\" (0,0,1,1) visible enabled");
}

}  // namespace
