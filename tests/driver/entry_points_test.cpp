#include "driver_fixture.h"

#include <array>

using namespace driver_test;

namespace {

const char* const kAttachTrace = "DKF:DLLMain+\r\nDKF:DLLMain-ATTACH\r\nDKF:DLLMain-\r\n";
const char* const kInitTrace = "DKF:INIT+\r\nDKF:INIT-\r\n";
const char* const kDeinitTrace = "DKF:DEINIT+\r\nDKF:DEINIT-\r\n";
const char* const kDetachTrace = "DKF:DLLMain+\r\nDKF:DLLMain-DETACH\r\nDKF:DLLMain-\r\n";

using EntryPoints = DriverTest;

TEST_F(EntryPoints, LoadAndUnloadWriteTheirTraceInOrder) {
    bootShell(true);
    bootDriver();
    EXPECT_EQ(trace(), std::string(kAttachTrace) + kInitTrace);
    unloadDriver();
    EXPECT_EQ(trace(), std::string(kAttachTrace) + kInitTrace + kDeinitTrace + kDetachTrace);
}

TEST_F(EntryPoints, InitReturnsWhileTheShellIsNotReady) {
    bootShell(true);
    RECT shellMenuBar = windowRect(shell().menuBar());
    bootDriver();
    EXPECT_EQ(trace(), std::string(kAttachTrace) + kInitTrace);
    EXPECT_EQ(windowRect(shell().menuBar()), shellMenuBar) << "nothing is adjusted before the shell is ready";
    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
}

TEST_F(EntryPoints, DeinitAloneLeavesTheProceduresInstalled) {
    bootShell(false);
    bootDriver();
    HMODULE module = LoadLibraryW(u"Dockfade.dll");
    ASSERT_NE(module, nullptr);
    auto deinit = reinterpret_cast<BOOL (*)(DWORD)>(reinterpret_cast<void (*)()>(GetProcAddressW(module, u"DKF_Deinit")));
    ASSERT_NE(deinit, nullptr);
    std::string before = trace();

    EXPECT_EQ(deinit(1), TRUE);
    EXPECT_EQ(trace().substr(before.size()), kDeinitTrace);
    EXPECT_NE(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_NE(windowProcedure(shell().stripPane()), shellStripProcedure());
    FreeLibrary(module);  // the device manager still holds the library
}

TEST_F(EntryPoints, StreamCallsAnswerOneTouchNothingAndWriteNoTrace) {
    bootShell(true);
    bootDriver();
    std::string before = trace();
    HANDLE device = openDevice();

    for (DWORD count : {0u, 1u, 8u, 4096u}) {
        std::array<BYTE, 8> buffer;
        buffer.fill(0x5A);
        DWORD read = 0xFFFF;
        EXPECT_EQ(ReadFile(device, buffer.data(), count, &read, nullptr), TRUE) << count;
        EXPECT_EQ(read, 1u) << count;
        std::array<BYTE, 8> untouched;
        untouched.fill(0x5A);
        EXPECT_EQ(buffer, untouched) << "Read leaves the buffer alone, count " << count;

        DWORD written = 0xFFFF;
        EXPECT_EQ(WriteFile(device, buffer.data(), count, &written, nullptr), TRUE) << count;
        EXPECT_EQ(written, 1u) << count;
    }
    for (LONG amount : {0, 5, -7}) {
        for (DWORD type : {DWORD{FILE_BEGIN}, DWORD{FILE_CURRENT}, DWORD{FILE_END}}) {
            LONG high = 99;
            EXPECT_EQ(SetFilePointer(device, amount, &high, type), 1u) << amount << " " << type;
        }
    }
    HANDLE second = CreateFileW(u"dkf1:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(second, INVALID_HANDLE_VALUE) << "device names ignore case";
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_EQ(trace(), before) << "the stream stubs write no trace";
}

}  // namespace
