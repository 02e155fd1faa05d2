// Events: reset modes, the shared name space, pulses, and timed waits on the
// virtual clock.
#include "device/device.h"
#include "kernel/event.h"
#include "kernel/handle_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>
#include <ostream>

namespace {

struct EventCase {
    const char* what;
    BOOL manualReset;
    BOOL initiallySet;
    std::vector<DWORD> pollResults;  // successive zero-timeout waits
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const EventCase& c, std::ostream* out) { *out << c.what; }

class EventModes : public testing::TestWithParam<EventCase> {};

TEST_P(EventModes, ZeroTimeoutWaitsSeeTheResetMode) {
    ce::Device device;
    const EventCase& c = GetParam();
    HANDLE event = CreateEventW(nullptr, c.manualReset, c.initiallySet, nullptr);
    ASSERT_NE(event, nullptr);
    for (std::size_t i = 0; i < c.pollResults.size(); ++i)
        EXPECT_EQ(WaitForSingleObject(event, 0), c.pollResults[i]) << c.what << ", poll " << i;
    EXPECT_TRUE(CloseHandle(event));
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, EventModes,
    testing::Values(EventCase{"auto-reset, set", FALSE, TRUE, {WAIT_OBJECT_0, WAIT_TIMEOUT, WAIT_TIMEOUT}},
                    EventCase{"manual-reset, set", TRUE, TRUE, {WAIT_OBJECT_0, WAIT_OBJECT_0, WAIT_OBJECT_0}},
                    EventCase{"auto-reset, clear", FALSE, FALSE, {WAIT_TIMEOUT, WAIT_TIMEOUT}},
                    EventCase{"manual-reset, clear", TRUE, FALSE, {WAIT_TIMEOUT, WAIT_TIMEOUT}}));

TEST(EventTest, SetAndResetChangeWhatWaitsSee) {
    ce::Device device;
    HANDLE manual = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_TRUE(SetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
    CloseHandle(manual);
}

TEST(EventTest, NamedEventIsSharedAndReportsThatItExisted) {
    ce::Device device;
    SetLastError(1234);
    HANDLE first = CreateEventW(nullptr, TRUE, FALSE, u"SYSTEM/ShellInit");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    // The second create keeps the first one's mode and state.
    HANDLE second = CreateEventW(nullptr, FALSE, TRUE, u"SYSTEM/ShellInit");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_NE(second, first);
    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_TIMEOUT);

    HANDLE opened = OpenEventW(EVENT_ALL_ACCESS, FALSE, u"SYSTEM/ShellInit");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(SetEvent(opened));
    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_OBJECT_0);  // still set: manual reset

    // The name goes with the last handle.
    CloseHandle(first);
    CloseHandle(second);
    HANDLE reopened = OpenEventW(EVENT_ALL_ACCESS, FALSE, u"SYSTEM/ShellInit");
    EXPECT_NE(reopened, nullptr);
    CloseHandle(reopened);
    CloseHandle(opened);
    SetLastError(0);
    EXPECT_EQ(OpenEventW(EVENT_ALL_ACCESS, FALSE, u"SYSTEM/ShellInit"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(EventTest, OpenEventOfUnknownOrForeignNameFails) {
    ce::Device device;
    SetLastError(0);
    EXPECT_EQ(OpenEventW(EVENT_ALL_ACCESS, FALSE, u"never created"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

    HANDLE mutex = CreateMutexW(nullptr, FALSE, u"shared name");
    EXPECT_EQ(OpenEventW(EVENT_ALL_ACCESS, FALSE, u"shared name"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(CreateEventW(nullptr, TRUE, FALSE, u"shared name"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    CloseHandle(mutex);
}

TEST(EventTest, TimedWaitRunsOutOnTheVirtualClock) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD before = GetTickCount();
    EXPECT_EQ(WaitForSingleObject(event, 5000), WAIT_TIMEOUT);
    EXPECT_EQ(GetTickCount() - before, 5000u);
    CloseHandle(event);
}

DWORD WINAPI setAfterSleep(LPVOID parameter) {
    Sleep(250);
    SetEvent(static_cast<HANDLE>(parameter));
    return 0;
}

TEST(EventTest, WaitEndsWhenAnotherThreadSetsTheEvent) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    DWORD before = GetTickCount();
    HANDLE thread = CreateThread(nullptr, 0, setAfterSleep, event, 0, nullptr);
    EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(GetTickCount() - before, 250u);
    // The auto-reset event let exactly this wait through.
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    CloseHandle(thread);
    CloseHandle(event);
}

DWORD WINAPI waitForPulse(LPVOID parameter);
DWORD WINAPI waitForPulseAmongOthers(LPVOID parameter);

struct PulseCase {
    const char* what;
    BOOL manualReset;
    int released;
    LPTHREAD_START_ROUTINE waiter;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const PulseCase& c, std::ostream* out) { *out << c.what; }

class PulseModes : public testing::TestWithParam<PulseCase> {};

std::atomic<int> gPulseReturns{0};

DWORD WINAPI waitForPulse(LPVOID parameter) {
    if (WaitForSingleObject(static_cast<HANDLE>(parameter), INFINITE) == WAIT_OBJECT_0) ++gPulseReturns;
    return 0;
}

// The pulsed event second, behind one that is never set.
DWORD WINAPI waitForPulseAmongOthers(LPVOID parameter) {
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE both[] = {never, static_cast<HANDLE>(parameter)};
    if (WaitForMultipleObjects(2, both, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) ++gPulseReturns;
    CloseHandle(never);
    return 0;
}

TEST_P(PulseModes, PulseReleasesCurrentWaitersAndLeavesTheEventReset) {
    ce::Device device;
    const PulseCase& c = GetParam();
    gPulseReturns = 0;
    HANDLE event = CreateEventW(nullptr, c.manualReset, FALSE, nullptr);
    HANDLE threads[3];
    for (auto& thread : threads) thread = CreateThread(nullptr, 0, c.waiter, event, 0, nullptr);
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_TRUE(PulseEvent(event));
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_EQ(gPulseReturns.load(), c.released) << c.what;
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT) << c.what;
    // Without waiters a pulse only resets.
    for (auto& thread : threads) CloseHandle(thread);
    CloseHandle(event);
}

INSTANTIATE_TEST_SUITE_P(Kernel, PulseModes,
                         testing::Values(PulseCase{"manual reset releases all", TRUE, 3, waitForPulse},
                                         PulseCase{"auto reset releases one", FALSE, 1, waitForPulse},
                                         PulseCase{"manual reset releases all multiple-object waits", TRUE, 3,
                                                   waitForPulseAmongOthers},
                                         PulseCase{"auto reset releases one multiple-object wait", FALSE, 1,
                                                   waitForPulseAmongOthers}));

TEST(EventTest, PulseWithoutWaitersOnlyResets) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    EXPECT_TRUE(PulseEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    CloseHandle(event);
}

struct TwoEvents {
    HANDLE set;
    HANDLE pulsed;
    DWORD firstWait = 0;
    DWORD laterPoll = 0;
};

DWORD WINAPI waitForEitherThenPollThePulsed(LPVOID parameter) {
    auto* events = static_cast<TwoEvents*>(parameter);
    HANDLE both[] = {events->set, events->pulsed};
    events->firstWait = WaitForMultipleObjects(2, both, FALSE, INFINITE);
    events->laterPoll = WaitForSingleObject(events->pulsed, 0);
    return 0;
}

TEST(EventTest, PulseDoesNotOutliveTheWaitItCameDuring) {
    ce::Device device;
    TwoEvents events{CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    HANDLE thread = CreateThread(nullptr, 0, waitForEitherThenPollThePulsed, &events, 0, nullptr);
    ASSERT_TRUE(device.waitForIdle());
    {
        // Internal view: both signals must land before the waiter runs again,
        // which two separate API calls cannot guarantee.
        std::lock_guard<std::mutex> lock(device.mutex());
        auto& handles = device.get<ce::HandleTable>();
        handles.lookupAsLocked<ce::Event>(events.set)->setLocked(device);
        handles.lookupAsLocked<ce::Event>(events.pulsed)->pulseLocked(device);
    }
    WaitForSingleObject(thread, INFINITE);
    EXPECT_EQ(events.firstWait, WAIT_OBJECT_0);  // the lowest signalled object wins
    EXPECT_EQ(events.laterPoll, static_cast<DWORD>(WAIT_TIMEOUT));
    CloseHandle(thread);
    CloseHandle(events.set);
    CloseHandle(events.pulsed);
}

}  // namespace
