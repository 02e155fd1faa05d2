// Program images started as processes: exit codes, private statics, the
// unload before the exit is announced, process handles and snapshots.
#include "device/device.h"
#include "kernel/debug_output.h"
#include "kernel/process_launcher.h"

#include <tlhelp32.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Each test gets its own temporary directory, so that it can see the private
// image copies come and go.
class ProcessTest : public testing::Test {
protected:
    ProcessTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kernel-process-test-XXXXXX").string();
        temporary_ = mkdtemp(pattern.data());
        const char* previous = std::getenv("TMPDIR");
        if (previous) previousTemporary_ = previous;
        setenv("TMPDIR", temporary_.c_str(), 1);
        device_ = std::make_unique<ce::Device>();
        std::lock_guard<std::mutex> lock(device_->mutex());
        device_->onProcessExit = [this, device = device_.get()](ce::EmulatedProcess& process) {
            exits.push_back(process.exitCode);
            // Internal view: by the time the exit is announced the image copy
            // is unloaded (static destructors ran) and deleted.
            outputAtExit.push_back(device->get<ce::DebugOutput>().text());
            copiesAtExit.push_back(copiesLeft());
        };
    }
    ~ProcessTest() override {
        device_.reset();
        if (previousTemporary_.empty()) unsetenv("TMPDIR");
        else setenv("TMPDIR", previousTemporary_.c_str(), 1);
        std::filesystem::remove_all(temporary_);
    }

    ce::Device& device() { return *device_; }
    void tearDownDevice() { device_.reset(); }
    ce::ProcessLauncher& launcher() { return device_->get<ce::ProcessLauncher>(); }
    std::u16string debugText() { return device_->get<ce::DebugOutput>().text(); }
    int copiesLeft() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(temporary_),
                                              std::filesystem::directory_iterator()));
    }
    DWORD start(const std::u16string& commandLine, std::u16string devicePath = u"\\Windows\\Probe.exe") {
        DWORD id = launcher().start(PROBE_IMAGE_FILE, std::move(devicePath), commandLine);
        EXPECT_NE(id, 0u) << launcher().lastFailure();
        return id;
    }

    std::vector<DWORD> exits;
    std::vector<std::u16string> outputAtExit;
    std::vector<int> copiesAtExit;

private:
    std::string temporary_;
    std::string previousTemporary_;
    std::unique_ptr<ce::Device> device_;
};

struct ExitCase {
    const char16_t* commandLine;
    DWORD exitCode;
};

TEST_F(ProcessTest, ExitCodeIsWinMainsResultOrExitThreadsCode) {
    for (ExitCase c : {ExitCase{u"return 3", 3}, ExitCase{u"return 0", 0}, ExitCase{u"exitthread 44", 44},
                       ExitCase{u"unknown", 0xFFFFFFFF}}) {
        DWORD id = start(c.commandLine);
        DWORD code = 1234;
        ASSERT_TRUE(launcher().waitForExit(id, &code));
        EXPECT_EQ(code, c.exitCode) << std::string(c.commandLine, c.commandLine + 8);
    }
    EXPECT_EQ(exits, (std::vector<DWORD>{3, 0, 44, 0xFFFFFFFF}));
}

TEST_F(ProcessTest, ImageIsUnloadedAndDeletedBeforeTheExitIsAnnounced) {
    DWORD id = start(u"return 9");
    ASSERT_TRUE(launcher().waitForExit(id, nullptr));
    ASSERT_EQ(outputAtExit.size(), 1u);
    EXPECT_EQ(outputAtExit[0], u"image constructed\r\nimage destroyed\r\n");
    EXPECT_EQ(copiesAtExit, std::vector<int>{0});
}

TEST_F(ProcessTest, EachProcessHasItsOwnStatics) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, u"probe go");
    DWORD first = start(u"wait probe go");
    DWORD second = start(u"wait probe go");
    ASSERT_TRUE(device().waitForIdle());
    EXPECT_EQ(copiesLeft(), 2);
    SetEvent(go);
    DWORD firstCode = 0, secondCode = 0;
    ASSERT_TRUE(launcher().waitForExit(first, &firstCode));
    ASSERT_TRUE(launcher().waitForExit(second, &secondCode));
    EXPECT_EQ(firstCode, 1u);
    EXPECT_EQ(secondCode, 1u);  // a shared copy would have counted to 2
    EXPECT_EQ(copiesLeft(), 0);
    CloseHandle(go);
}

TEST_F(ProcessTest, ProgramSeesItsOwnImageCommandLineAndShowState) {
    DWORD id = start(u"describe", u"\\Windows\\Hueprobe.exe");
    ASSERT_TRUE(launcher().waitForExit(id, nullptr));
    EXPECT_EQ(debugText(),
              u"image constructed\r\npath \\Windows\\Hueprobe.exe own-instance no-previous show\r\nimage destroyed\r\n");
}

TEST_F(ProcessTest, WaitForAProcessThatCannotEndStopsWithAReason) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, u"probe go");
    DWORD id = start(u"wait probe go");
    DWORD code = 1234;
    EXPECT_FALSE(launcher().waitForExit(id, &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_NE(launcher().lastFailure().find("process " + std::to_string(id) + " did not end"), std::string::npos)
        << launcher().lastFailure();
    SetEvent(go);
    EXPECT_TRUE(launcher().waitForExit(id, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_FALSE(launcher().waitForExit(0xDEAD, &code));
    CloseHandle(go);
}

TEST_F(ProcessTest, ProcessHandleIsSignalledAtExitWithTheExitCode) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, u"probe go");
    DWORD id = start(u"wait probe go");
    HANDLE process = launcher().openProcessHandle(id);
    ASSERT_NE(process, nullptr);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(process, &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(WaitForSingleObject(process, 100), WAIT_TIMEOUT);
    SetEvent(go);
    EXPECT_EQ(WaitForSingleObject(process, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(process, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_TRUE(CloseHandle(process));
    EXPECT_EQ(launcher().openProcessHandle(0xDEAD), nullptr);
    CloseHandle(go);
}

TEST_F(ProcessTest, UnloadableImagesAreRefusedWithAReason) {
    EXPECT_EQ(launcher().start("/nonexistent/Probe.so", u"\\Windows\\Probe.exe", u""), 0u);
    EXPECT_NE(launcher().lastFailure().find("/nonexistent/Probe.so"), std::string::npos);
    // A library without WinMain is no program.
    EXPECT_EQ(launcher().start(PROBE_LIBRARY_FILE, u"\\Windows\\Probe.exe", u""), 0u);
    EXPECT_NE(launcher().lastFailure().find("WinMain"), std::string::npos);
    ASSERT_TRUE(device().waitForIdle());
    EXPECT_EQ(copiesLeft(), 0);
}

TEST_F(ProcessTest, ProgramBlockedAtTeardownIsStillUnloaded) {
    CreateEventW(nullptr, TRUE, FALSE, u"never");
    start(u"wait never");
    ASSERT_TRUE(device().waitForIdle());
    EXPECT_EQ(copiesLeft(), 1);
    std::u16string before = debugText();
    EXPECT_EQ(before, u"image constructed\r\n");
    std::vector<std::u16string> heard;
    device().get<ce::DebugOutput>().setListener([&](std::u16string_view text) { heard.emplace_back(text); });
    // The blocked main thread is aborted, then the copy is unloaded.
    tearDownDevice();
    EXPECT_EQ(copiesLeft(), 0);
    EXPECT_EQ(heard, std::vector<std::u16string>{u"image destroyed\r\n"});
}

TEST_F(ProcessTest, ProcessOutlivesWinMainWhileItsOtherThreadsRun) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, u"probe go");
    DWORD id = start(u"spawn probe go");
    ASSERT_TRUE(device().waitForIdle());
    HANDLE process = launcher().openProcessHandle(id);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(process, &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(exits.empty());
    SetEvent(go);
    ASSERT_TRUE(launcher().waitForExit(id, &code));
    EXPECT_EQ(code, 5u);  // WinMain's result, not the last thread's
    // The other thread's code came from the image, so the copy stays loaded
    // until teardown.
    EXPECT_EQ(copiesLeft(), 1);
    CloseHandle(process);
    CloseHandle(go);
    tearDownDevice();
    EXPECT_EQ(copiesLeft(), 0);
}

// Snapshots list the live processes by their full device path.
std::vector<std::pair<DWORD, std::u16string>> listProcesses() {
    std::vector<std::pair<DWORD, std::u16string>> result;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        result.emplace_back(entry.th32ProcessID, entry.szExeFile);
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(CloseToolhelp32Snapshot(snapshot));
    return result;
}

TEST_F(ProcessTest, SnapshotListsLiveProcessesWithTheirImagePaths) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, u"probe go");
    DWORD id = start(u"wait probe go", u"\\Windows\\Hueprobe.exe");
    auto during = listProcesses();
    EXPECT_NE(std::find(during.begin(), during.end(), std::make_pair(id, std::u16string(u"\\Windows\\Hueprobe.exe"))),
              during.end());
    EXPECT_NE(std::find(during.begin(), during.end(),
                        std::make_pair(GetCurrentProcessId(), std::u16string(u"\\Windows\\host.exe"))),
              during.end());
    SetEvent(go);
    ASSERT_TRUE(launcher().waitForExit(id, nullptr));
    auto after = listProcesses();
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [&](const auto& entry) { return entry.first == id; }), 0);
    CloseHandle(go);
}

TEST_F(ProcessTest, SnapshotCallsCheckTheirArguments) {
    EXPECT_EQ(CreateToolhelp32Snapshot(0, 0), INVALID_HANDLE_VALUE);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry) - 1;
    EXPECT_FALSE(Process32FirstW(snapshot, &entry));
    EXPECT_EQ(GetLastError(), ERROR_BAD_LENGTH);
    entry.dwSize = sizeof(entry);
    EXPECT_FALSE(Process32FirstW(nullptr, &entry));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitForSingleObject(snapshot, 0), WAIT_TIMEOUT);
    EXPECT_TRUE(CloseHandle(snapshot));
    EXPECT_FALSE(Process32FirstW(snapshot, &entry));
}

}  // namespace
