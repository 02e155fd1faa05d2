// Handle values and closing, and the pseudo handles of the current thread
// and process.
#include "device/device.h"
#include "kernel/handle_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(HandleTest, ValuesAreSmallDistinctMultiplesOfFourAndNeverReusedWhileOpen) {
    ce::Device device;
    std::set<HANDLE> seen;
    for (int i = 0; i < 50; ++i) {
        HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        auto value = reinterpret_cast<std::uintptr_t>(event);
        EXPECT_NE(event, nullptr);
        EXPECT_NE(event, INVALID_HANDLE_VALUE);
        EXPECT_EQ(value % 4, 0u);
        EXPECT_LT(value, 0x10000u);
        EXPECT_TRUE(seen.insert(event).second);
        if (i % 2) CloseHandle(event);  // closing some must not hand their values out again
    }
}

TEST(HandleTest, ClosedOrBogusHandlesFailWithInvalidHandle) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    EXPECT_TRUE(CloseHandle(event));
    struct Call {
        const char* what;
        BOOL result;
    };
    SetLastError(0);
    EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    HANDLE bogus = reinterpret_cast<HANDLE>(0x7FF0);
    for (const Call& call : {Call{"CloseHandle again", CloseHandle(event)}, Call{"SetEvent", SetEvent(bogus)},
                             Call{"ResetEvent", ResetEvent(bogus)}, Call{"PulseEvent", PulseEvent(nullptr)},
                             Call{"ReleaseMutex", ReleaseMutex(bogus)}}) {
        EXPECT_FALSE(call.result) << call.what;
    }
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

// A kernel object that records when its last handle went.
class ClosingProbe : public ce::KernelObject {
public:
    bool signaledLocked(ce::EmulatedThread&) const override { return false; }
    void onLastHandleClosed() override {
        // Runs without the device lock: taking it here must not deadlock.
        std::lock_guard<std::mutex> lock(ce::Device::current().mutex());
        ++notifications;
    }
    int notifications = 0;
};

TEST(HandleTest, LastCloseNotifiesTheObjectOnceWithoutTheLock) {
    ce::Device device;
    auto probe = std::make_shared<ClosingProbe>();
    HANDLE first, second;
    {
        // The handle table is the kernel's internal owner; other areas add their objects like this.
        std::lock_guard<std::mutex> lock(device.mutex());
        first = device.get<ce::HandleTable>().insertLocked(probe);
        second = device.get<ce::HandleTable>().insertLocked(probe);
    }
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_EQ(probe->notifications, 0);
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_EQ(probe->notifications, 1);
}

TEST(HandleTest, PseudoHandlesMeanTheCaller) {
    ce::Device device;
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(GetCurrentThread(), &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(GetExitCodeProcess(GetCurrentProcess(), &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(WaitForSingleObject(GetCurrentThread(), 0), WAIT_TIMEOUT);
    EXPECT_TRUE(CloseHandle(GetCurrentThread()));
}

}  // namespace
