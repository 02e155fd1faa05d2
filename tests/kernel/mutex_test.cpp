// Mutexes: recursive ownership, release by the owner only, the shared name.
#include "device/device.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

DWORD WINAPI pollMutex(LPVOID parameter) { return WaitForSingleObject(static_cast<HANDLE>(parameter), 0); }

DWORD WINAPI releaseForeignMutex(LPVOID parameter) {
    return ReleaseMutex(static_cast<HANDLE>(parameter)) ? 0 : GetLastError();
}

// The exit code of a fresh thread running body on parameter.
DWORD runOnOtherThread(LPTHREAD_START_ROUTINE body, HANDLE parameter) {
    HANDLE thread = CreateThread(nullptr, 0, body, parameter, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    return code;
}

TEST(MutexTest, OwnershipIsRecursiveAndOnlyTheOwnerReleases) {
    ce::Device device;
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // second level
    EXPECT_EQ(runOnOtherThread(pollMutex, mutex), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(runOnOtherThread(releaseForeignMutex, mutex), static_cast<DWORD>(ERROR_NOT_OWNER));

    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(runOnOtherThread(pollMutex, mutex), static_cast<DWORD>(WAIT_TIMEOUT));  // one level left
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    EXPECT_EQ(runOnOtherThread(pollMutex, mutex), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(mutex);
}

TEST(MutexTest, MutexOfAnEndedOwnerIsFreeAgain) {
    ce::Device device;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    EXPECT_EQ(runOnOtherThread(pollMutex, mutex), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    CloseHandle(mutex);
}

struct SecondCreate {
    HANDLE handle = nullptr;
    DWORD error = 0;
    DWORD poll = 0;
};

DWORD WINAPI createNamedMutexAgain(LPVOID parameter) {
    auto* result = static_cast<SecondCreate*>(parameter);
    result->handle = CreateMutexW(nullptr, TRUE, u"single instance");
    result->error = GetLastError();
    result->poll = WaitForSingleObject(result->handle, 0);
    CloseHandle(result->handle);
    return 0;
}

TEST(MutexTest, NamedMutexIsOpenedWithAlreadyExistsAndNoOwnership) {
    ce::Device device;
    HANDLE first = CreateMutexW(nullptr, TRUE, u"single instance");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    SecondCreate second;
    HANDLE thread = CreateThread(nullptr, 0, createNamedMutexAgain, &second, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_NE(second.handle, nullptr);
    EXPECT_EQ(second.error, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(second.poll, static_cast<DWORD>(WAIT_TIMEOUT));  // the same mutex, still ours
    EXPECT_TRUE(ReleaseMutex(first));
    CloseHandle(first);
}

}  // namespace
