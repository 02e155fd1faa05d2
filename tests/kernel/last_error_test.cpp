// The last-error value belongs to each thread.
#include "device/device.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

DWORD WINAPI setAndReadOwnError(LPVOID parameter) {
    SetLastError(static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(parameter)));
    Sleep(10);  // let the other threads set theirs meanwhile
    return GetLastError();
}

TEST(LastErrorTest, EachThreadKeepsItsOwnValue) {
    ce::Device device;
    SetLastError(ERROR_ACCESS_DENIED);
    const DWORD values[] = {0, ERROR_INVALID_PARAMETER, ERROR_ALREADY_EXISTS, 0xFFFFFFFF};
    HANDLE threads[4];
    for (int i = 0; i < 4; ++i)
        threads[i] = CreateThread(nullptr, 0, setAndReadOwnError, reinterpret_cast<LPVOID>(std::uintptr_t{values[i]}),
                                  0, nullptr);
    for (int i = 0; i < 4; ++i) {
        WaitForSingleObject(threads[i], INFINITE);
        DWORD code = 0;
        GetExitCodeThread(threads[i], &code);
        EXPECT_EQ(code, values[i]);
        CloseHandle(threads[i]);
    }
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST(LastErrorTest, SuccessfulCallsLeaveTheValueAlone) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    SetLastError(ERROR_INVALID_PARAMETER);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(SetEvent(event));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    CloseHandle(event);
}

}  // namespace
