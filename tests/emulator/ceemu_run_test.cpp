// ceemu as a user runs it: exit codes, messages, and what the lines print.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CeemuRun {
    int exitCode;
    std::string output;  // stdout and stderr together
};

class CeemuRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ceemu-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string writeScript(const std::string& text) {
        auto path = folder_ / "scenario.txt";
        std::ofstream(path) << text;
        return path.string();
    }

    CeemuRun ceemu(const std::string& arguments) {
        std::string command = "cd '" + folder_.string() + "' && '" CEEMU_PATH "' " + arguments + " 2>&1";
        CeemuRun run{-1, {}};
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
        int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    std::filesystem::path folder_;
};

TEST_F(CeemuRunTest, BadUsageExitsWithTwoAndSaysWhy) {
    struct Case {
        const char* arguments;
        const char* says;
    } cases[] = {{"", "missing the device"},
                 {"toaster --headless", "unknown device 'toaster'"},
                 {"hueprobe --headless --screen 0x0", "--screen needs WxH"},
                 {"hueprobe --headless --bogus", "unknown option '--bogus'"},
                 {"hueprobe --headless --script /nonexistent/scenario.txt", "cannot read the script"},
                 {"hueprobe --headless --script .", "is a folder, not a file"},
                 {"hueprobe --headless --debug-log /nonexistent-folder/inside/trace.log", "cannot write the debug log"}};
    for (const auto& test : cases) {
        auto run = ceemu(test.arguments);
        EXPECT_EQ(run.exitCode, 2) << test.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(test.says), std::string::npos) << test.arguments << "\n" << run.output;
    }
}

TEST_F(CeemuRunTest, HelpPrintsUsageAndEndsWithZero) {
    for (const char* arguments : {"--help", "-h", "dockfade --screen 1x1 --help"}) {
        auto run = ceemu(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("usage: ceemu hueprobe"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("expect-pixel X Y RRGGBB"), std::string::npos) << run.output;
    }
}

TEST_F(CeemuRunTest, BadScenarioLineIsNamedAndNothingRuns) {
    auto script = writeScript("wait\nshot first.png\ntap 10\n");
    auto run = ceemu("hueprobe --headless --script " + script);
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find(":3:"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "first.png"));
}

TEST_F(CeemuRunTest, FailedExpectationExitsWithOneAndNamesTheLine) {
    auto script = writeScript(
        "wait\n"
        "tap-text Start Check\n"
        "wait\n"
        "expect-pixel 5 5 0000FF\n"
        "expect-pixel 5 5 FF0000\n"
        "tap-text Nothing Like This\n"
        "shot scenario.txt/inside/shot.png\n");  // its folder would be the scenario file
    auto run = ceemu("hueprobe --headless --script " + script);
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(run.output.find("line 4"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("line 5"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("0000FF, expected FF0000"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("line 6"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("line 7"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("cannot make the folder"), std::string::npos) << run.output;
}

TEST_F(CeemuRunTest, SecondCopyEndsAtOnceWithMinusOneAndTheFirstGoesOn) {
    auto script = writeScript(
        "wait\n"
        "start Hueprobe\n"
        "wait\n"
        "tap-text Exit\n"
        "wait\n");
    auto run = ceemu("hueprobe --headless --script " + script);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    auto second = run.output.find("exit -1");
    auto first = run.output.find("exit 0");
    ASSERT_NE(second, std::string::npos) << run.output;
    ASSERT_NE(first, std::string::npos) << run.output;
    EXPECT_LT(second, first) << run.output;
}

TEST_F(CeemuRunTest, TypicalRoadsRunHeadlessAndWriteScreenshots) {
    auto program = ceemu("hueprobe --headless");
    EXPECT_EQ(program.exitCode, 0) << program.output;
    EXPECT_NE(program.output.find("exit 0"), std::string::npos) << program.output;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "ceemu-shots" / "hueprobe" / "02-tap00-blue.png"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "ceemu-shots" / "hueprobe" / "18-launcher-again.png"));

    auto driver = ceemu("dockfade --headless");
    EXPECT_EQ(driver.exitCode, 0) << driver.output;
    EXPECT_NE(driver.output.find("ioctl 0x4201 returned TRUE lasterror 0 input 03 00 01 00"), std::string::npos)
        << driver.output;
    // Held back, the shell keeps its layout; once it signals, the driver
    // stretches the desktop over the screen and moves the bar below it.
    auto before = driver.output.find("(0,26,240,294) visible enabled [desktop]");
    auto after = driver.output.find("(0,0,240,320) visible enabled [desktop]");
    ASSERT_NE(before, std::string::npos) << driver.output;
    ASSERT_NE(after, std::string::npos) << driver.output;
    EXPECT_LT(before, after);
    EXPECT_NE(driver.output.find("(0,320,240,346) visible enabled [menubar]"), std::string::npos) << driver.output;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "ceemu-shots" / "dockfade" / "01-before.png"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "ceemu-shots" / "dockfade" / "02-after.png"));
}

TEST_F(CeemuRunTest, DebugLogHoldsTheTraceAsWritten) {
    auto script = writeScript("wait\nioctl DKF1: 0 0\n");
    auto run = ceemu("dockfade --headless --debug-log trace.log --script " + script);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    std::ifstream log(folder_ / "trace.log", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text,
              "DKF:DLLMain+\r\nDKF:DLLMain-ATTACH\r\nDKF:DLLMain-\r\nDKF:INIT+\r\nDKF:INIT-\r\n"
              "DKF:IOCTL+\r\nDKF:IOCTL-\r\n");
}

TEST_F(CeemuRunTest, MissingDisplayIsAClearErrorNotACrash) {
    if (const char* display = std::getenv("DISPLAY"); display && *display) GTEST_SKIP() << "a display is available";
    auto run = ceemu("hueprobe");  // no --headless and no display
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find("--headless"), std::string::npos) << run.output;
}

// The desktop-window front end, on SDL's display-less video driver: the
// scenario runs beside the window's event loop (waits see the device idle),
// and closing the window (SDL turns SIGTERM into a close) ends ceemu with the
// scenario's result.
TEST_F(CeemuRunTest, ScenarioRunsInTheDesktopWindowUntilItIsClosed) {
    auto script = writeScript(
        "wait\ntap-text Start Check\nwait\nexpect-pixel 120 160 0000FF\nshot done.png\n");
    std::string command = "cd '" + folder_.string() + "' && exec env SDL_VIDEODRIVER=dummy '" CEEMU_PATH
                          "' hueprobe --script " + script + " > output.txt 2>&1";
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The scenario's last line leaves done.png; until then ceemu keeps running.
    auto shot = folder_ / "done.png";
    int status = 0;
    bool ended = false;
    for (int poll = 0; poll < 600 && !std::filesystem::exists(shot); ++poll) {
        if (waitpid(child, &status, WNOHANG) == child) {
            ended = true;
            break;
        }
        usleep(100 * 1000);
    }
    EXPECT_FALSE(ended) << "ceemu ended before its window was closed";
    EXPECT_TRUE(std::filesystem::exists(shot));
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
    }
    std::ifstream outputFile(folder_ / "output.txt");
    std::string output((std::istreambuf_iterator<char>(outputFile)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_EQ(output.find("did not become idle"), std::string::npos) << output;
}

}  // namespace
