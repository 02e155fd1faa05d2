// The device core: blocking, the virtual clock, idle detection, teardown.
#include "device/device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using ce::Device;
using ce::DeviceOptions;

struct Flag {
    bool set = false;
};

TEST(DeviceTest, OnlyOneDeviceAtATime) {
    Device device;
    EXPECT_EQ(&Device::current(), &device);
    EXPECT_THROW(Device second, std::logic_error);
}

TEST(DeviceTest, BlockReturnsOnceWokenWithConditionTrue) {
    Device device;
    Flag flag;
    std::atomic<bool> returned{false};
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        device.startThreadLocked(device.hostProcessLocked(), [&] {
            std::unique_lock<std::mutex> lock(device.mutex());
            device.block(lock, true, INFINITE, [&] { return flag.set; }, "test wait");
            returned = true;
            return DWORD{7};
        });
    }
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_FALSE(returned);
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        flag.set = true;
        device.wakeAllLocked();
    }
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_TRUE(returned);
}

TEST(DeviceTest, VirtualClockJumpsOverTimedWaitsWithoutRealSleeping) {
    Device device;
    std::atomic<DWORD> before{0}, after{0};
    bool timedOut = false;
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        device.startThreadLocked(device.hostProcessLocked(), [&] {
            std::unique_lock<std::mutex> lock(device.mutex());
            before = static_cast<DWORD>(device.nowLocked());
            timedOut = !device.block(lock, true, 60000, [] { return false; }, "Sleep");
            after = static_cast<DWORD>(device.nowLocked());
            return DWORD{0};
        });
    }
    auto realStart = std::chrono::steady_clock::now();
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(30));
    EXPECT_TRUE(timedOut);
    EXPECT_EQ(after - before, 60000u);
}

TEST(DeviceTest, WaitForIdleReportsADeadlockWithTheBlockedThreads) {
    Device device;
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        device.startThreadLocked(device.hostProcessLocked(), [&] {
            std::unique_lock<std::mutex> lock(device.mutex());
            device.block(lock, false, INFINITE, [] { return false; }, "SendMessage");
            return DWORD{0};
        });
    }
    std::string reason;
    EXPECT_FALSE(device.waitForIdle(std::chrono::seconds(20), &reason));
    EXPECT_NE(reason.find("deadlock"), std::string::npos) << reason;
    EXPECT_NE(reason.find("SendMessage"), std::string::npos) << reason;
}

TEST(DeviceTest, TeardownAbortsBlockedThreadsAndJoinsThem) {
    std::atomic<bool> unwound{false};
    {
        Device device;
        struct Sentinel {
            Device& device;
            std::atomic<bool>& flag;
            // Waiting again while the abort unwinds must not end the process.
            ~Sentinel() {
                std::unique_lock<std::mutex> lock(device.mutex());
                flag = !device.block(lock, true, INFINITE, [] { return false; }, "cleanup");
            }
        };
        std::lock_guard<std::mutex> lock(device.mutex());
        device.startThreadLocked(device.hostProcessLocked(), [&] {
            Sentinel sentinel{device, unwound};
            std::unique_lock<std::mutex> lock(device.mutex());
            device.block(lock, true, INFINITE, [] { return false; }, "forever");
            return DWORD{0};
        });
    }
    EXPECT_TRUE(unwound);
}

TEST(DeviceTest, ProcessEndsWithItsLastThreadAndReportsTheExitCode) {
    Device device;
    DWORD reported = 0;
    DWORD reportedId = 0;
    device.onProcessExit = [&](ce::EmulatedProcess& process) {
        reported = process.exitCode;
        reportedId = process.id();
    };
    DWORD processId = 0;
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        auto& process = device.createProcessLocked(u"\\Windows\\probe.exe");
        processId = process.id();
        device.startThreadLocked(process, [] { return DWORD{42}; });
    }
    ASSERT_TRUE(device.waitForIdle());
    EXPECT_EQ(reported, 42u);
    EXPECT_EQ(reportedId, processId);
}

TEST(DeviceTest, AdoptedThreadsGetTheirOwnRecords) {
    Device device;
    DWORD mainId = device.currentThread().id();
    DWORD otherId = 0;
    std::thread other([&] { otherId = device.currentThread().id(); });
    other.join();
    EXPECT_NE(mainId, otherId);
    EXPECT_EQ(device.currentThread().id(), mainId);
}

// A front end's own thread, once released, no longer keeps the device busy.
TEST(DeviceTest, ReleasedHostThreadNoLongerCountsAsBusy) {
    Device device;
    DWORD firstId = device.currentThread().id();  // adopted and running
    auto idleSeenByAnotherThread = [&] {
        bool idle = false;
        std::thread observer([&] { idle = device.waitForIdle(std::chrono::milliseconds(200)); });
        observer.join();
        return idle;
    };
    EXPECT_FALSE(idleSeenByAnotherThread());
    device.releaseCurrentThread();
    EXPECT_TRUE(idleSeenByAnotherThread());
    EXPECT_NE(device.currentThread().id(), firstId) << "a later call adopts the thread afresh";
}

}  // namespace
