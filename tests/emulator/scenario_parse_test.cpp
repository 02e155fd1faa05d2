// Scenario lines and command lines: what is accepted and what each error says.
#include "command_line.h"
#include "scenario.h"

#include <gtest/gtest.h>

#include <sstream>
#include <ostream>

namespace {

using namespace ceemu;

TEST(ScenarioParseTest, AcceptsEveryCommand) {
    std::istringstream script(
        "# a comment line\n"
        "tap 10 20\n"
        "down 1 2  # trailing comment\n"
        "move 3 4\n"
        "up 5 6\n"
        "tap-text Start Check\n"
        "\n"
        "wait\n"
        "shot out/one.png\n"
        "expect-pixel 0 0 00FF00\n"
        "windows\n"
        "start Hueprobe\n"
        "trace\n"
        "ioctl DKF1: 0x4201 4\n"
        "settingchange\n"
        "activate-desktop 0x10001\n"
        "show-window desktop/1/1 off\n"
        "move-window desktop/1 0 0 240 100\n"
        "screen 480x640\n"
        "unload DKF1:\n"
        "load\n"
        "signal-shell\n");
    auto parsed = parseScenario(script);
    ASSERT_TRUE(std::holds_alternative<std::vector<ScenarioLine>>(parsed));
    const auto& lines = std::get<std::vector<ScenarioLine>>(parsed);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0].number, 2);
    auto tap = std::get<PenStep>(lines[0].step);
    EXPECT_EQ(tap.kind, PenStep::Kind::Tap);
    EXPECT_EQ(tap.x, 10);
    EXPECT_EQ(tap.y, 20);
    EXPECT_EQ(std::get<TapTextStep>(lines[4].step).text, "Start Check");
    EXPECT_EQ(std::get<ExpectPixelStep>(lines[7].step).rgb, 0x00FF00u);
    auto ioctl = std::get<IoctlStep>(lines[11].step);
    EXPECT_EQ(ioctl.device, "DKF1:");
    EXPECT_EQ(ioctl.code, 0x4201u);
    EXPECT_EQ(ioctl.length, 4u);
    EXPECT_EQ(std::get<MessageStep>(lines[12].step).wParam, 0u);
    EXPECT_EQ(std::get<MessageStep>(lines[13].step).wParam, 0x10001u);
    EXPECT_FALSE(std::get<ShowWindowStep>(lines[14].step).show);
    EXPECT_EQ(std::get<MoveWindowStep>(lines[15].step).right, 240);
    EXPECT_EQ(std::get<ScreenStep>(lines[16].step).height, 640);
}

TEST(ScenarioParseTest, ActivateDesktopDefaultsToActive) {
    auto parsed = parseScenarioLine("activate-desktop");
    auto step = std::get<std::optional<Step>>(parsed);
    ASSERT_TRUE(step);
    EXPECT_EQ(std::get<MessageStep>(*step).wParam, static_cast<std::uint64_t>(WA_ACTIVE));
}

struct BadLine {
    const char* line;
    const char* messagePart;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const BadLine& c, std::ostream* out) { *out << c.line; }

class ScenarioBadLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScenarioBadLineTest, NamesWhatIsWrong) {
    auto parsed = parseScenarioLine(GetParam().line);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << GetParam().line;
    EXPECT_NE(std::get<std::string>(parsed).find(GetParam().messagePart), std::string::npos)
        << std::get<std::string>(parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ScenarioBadLineTest,
    ::testing::Values(BadLine{"jump 1 2", "unknown scenario command 'jump'"}, BadLine{"tap 1", "takes 2 arguments"},
                      BadLine{"tap a b", "whole-number"}, BadLine{"expect-pixel 1 2 GG0000", "six hex digits"},
                      BadLine{"expect-pixel 1 2 12345", "six hex digits"}, BadLine{"wait now", "takes 0 arguments"},
                      BadLine{"ioctl DKF1: banana 4", "control code"}, BadLine{"ioctl DKF1: 1 99999", "length"},
                      BadLine{"show-window desktop maybe", "'on' or 'off'"}, BadLine{"screen 0x5", "WxH"},
                      BadLine{"screen big", "WxH"}, BadLine{"tap-text", "needs the text"},
                      BadLine{"settingchange 1 2", "at most one"}, BadLine{"move-window x 1 2 3", "takes 5"}));

TEST(ScenarioParseTest, ReportsTheLineNumberOfTheFirstBadLine) {
    std::istringstream script("wait\n\n# fine\ntap 1 x\nwait\n");
    auto parsed = parseScenario(script);
    ASSERT_TRUE(std::holds_alternative<ParseError>(parsed));
    EXPECT_EQ(std::get<ParseError>(parsed).line, 4);
}

std::variant<CommandLine, std::string> parseArguments(std::vector<const char*> arguments) {
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLineTest, ReadsEveryOption) {
    auto parsed = parseArguments(
        {"dockfade", "--screen", "480x640", "--headless", "--script", "a.txt", "--debug-log", "d.log", "--hold-shell"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    auto options = std::get<CommandLine>(parsed);
    EXPECT_EQ(options.handheld.profile, Profile::WindowsMobile);
    EXPECT_EQ(options.handheld.screenWidth, 480);
    EXPECT_EQ(options.handheld.screenHeight, 640);
    EXPECT_TRUE(options.headless);
    EXPECT_TRUE(options.handheld.holdShell);
    EXPECT_FALSE(options.handheld.realTime);
    EXPECT_EQ(options.scriptFile, "a.txt");
    EXPECT_EQ(options.handheld.debugLogFile, "d.log");
}

TEST(CommandLineTest, RejectsWhatItDoesNotKnow) {
    for (auto arguments : std::vector<std::vector<const char*>>{{},
                                                                {"hueprob"},
                                                                {"hueprobe", "--speed"},
                                                                {"hueprobe", "--screen"},
                                                                {"hueprobe", "--screen", "wide"},
                                                                {"hueprobe", "--hold-shell"},
                                                                {"dockfade", "--script"}}) {
        EXPECT_TRUE(std::holds_alternative<std::string>(parseArguments(arguments)))
            << (arguments.empty() ? "(none)" : arguments.back());
    }
}

// One reading of a screen size, for --screen and the screen line alike.
TEST(ScreenSizeTest, AcceptsWxHWithinTheLimitsOnly) {
    struct Case {
        const char* text;
        bool accepted;
        int width = 0, height = 0;
    } cases[] = {{"240x320", true, 240, 320}, {"480X640", true, 480, 640}, {"1x1", true, 1, 1},
                 {"4096x4096", true, 4096, 4096}, {"0x5", false}, {"4097x10", false}, {"x320", false},
                 {"240x", false}, {"240x320x1", false}, {"-1x5", false}, {" 240x320", false}, {"240*320", false}};
    for (const auto& test : cases) {
        int width = -1, height = -1;
        EXPECT_EQ(parseScreenSize(test.text, width, height), test.accepted) << test.text;
        if (test.accepted) {
            EXPECT_EQ(width, test.width) << test.text;
            EXPECT_EQ(height, test.height) << test.text;
        }
    }
}

}  // namespace
