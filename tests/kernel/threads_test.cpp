// Threads: exit codes, ExitThread, waits on thread handles, identities,
// Sleep on the virtual clock, and device teardown with a blocked thread.
#include "device/device.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>

namespace {

std::atomic<bool> gUnwound{false};

struct UnwindProbe {
    ~UnwindProbe() { gUnwound = true; }
};

DWORD WINAPI returnParameter(LPVOID parameter) { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(parameter)); }

DWORD WINAPI exitThroughExitThread(LPVOID parameter) {
    UnwindProbe probe;
    ExitThread(static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(parameter)));
    return 1;  // never reached
}

struct ExitCase {
    const char* what;
    LPTHREAD_START_ROUTINE body;
    DWORD code;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.what; }

class ThreadExitCodes : public testing::TestWithParam<ExitCase> {};

TEST_P(ThreadExitCodes, WaitEndsWithTheThreadAndReportsItsCode) {
    ce::Device device;
    const ExitCase& c = GetParam();
    gUnwound = false;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, c.body, reinterpret_cast<LPVOID>(std::uintptr_t{c.code}), 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_NE(id, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, c.code) << c.what;
    if (c.body == exitThroughExitThread) {
        EXPECT_TRUE(gUnwound) << "ExitThread must unwind the stack";
    }
    CloseHandle(thread);
}

INSTANTIATE_TEST_SUITE_P(Kernel, ThreadExitCodes,
                         testing::Values(ExitCase{"returned", returnParameter, 7},
                                         ExitCase{"returned zero", returnParameter, 0},
                                         ExitCase{"ExitThread", exitThroughExitThread, 0xC0DE}));

DWORD WINAPI waitOnEvent(LPVOID parameter) {
    WaitForSingleObject(static_cast<HANDLE>(parameter), INFINITE);
    return 5;
}

TEST(ThreadTest, RunningThreadIsStillActiveAndItsHandleUnsignalled) {
    ce::Device device;
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, waitOnEvent, release, 0, nullptr);
    ASSERT_TRUE(device.waitForIdle());
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(WaitForSingleObject(thread, 1000), WAIT_TIMEOUT);
    SetEvent(release);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 5u);
    CloseHandle(thread);
    CloseHandle(release);
}

DWORD WINAPI reportProcessId(LPVOID) { return GetCurrentProcessId(); }

TEST(ThreadTest, NewThreadBelongsToTheCreatorsProcess) {
    ce::Device device;
    HANDLE thread = CreateThread(nullptr, 0, reportProcessId, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, GetCurrentProcessId());
    CloseHandle(thread);
}

TEST(ThreadTest, RefusedCreationsSetTheirErrors) {
    ce::Device device;
    EXPECT_EQ(CreateThread(nullptr, 0, returnParameter, nullptr, CREATE_SUSPENDED, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NOT_SUPPORTED);
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(ThreadTest, SleepAdvancesTheVirtualClockByItsLength) {
    ce::Device device;
    DWORD before = GetTickCount();
    Sleep(1500);
    EXPECT_EQ(GetTickCount() - before, 1500u);
    Sleep(0);
    EXPECT_EQ(GetTickCount() - before, 1500u);
}

TEST(ThreadTest, TeardownJoinsAThreadBlockedForever) {
    std::atomic<bool> finished{false};
    {
        ce::Device device;
        HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE thread = CreateThread(nullptr, 0, waitOnEvent, never, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        ASSERT_TRUE(device.waitForIdle());
        std::lock_guard<std::mutex> lock(device.mutex());
        device.onProcessExit = [&](ce::EmulatedProcess&) { finished = true; };
    }
    // Reaching here means the blocked thread was woken and joined.
    EXPECT_EQ(ce::Device::activeOrNull(), nullptr);
    EXPECT_FALSE(finished);  // it belonged to the host process, which never ends
}

}  // namespace
