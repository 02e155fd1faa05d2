#include "driver_fixture.h"

#include <dockfade_control_codes.h>

#include <array>
#include <cstdint>
#include <ostream>

using namespace driver_test;

namespace {

using Bytes = std::array<std::uint8_t, 8>;
constexpr std::uint8_t kUntouched = 0xAA;
constexpr Bytes kUntouchedInput{kUntouched, kUntouched, kUntouched, kUntouched,
                                kUntouched, kUntouched, kUntouched, kUntouched};

struct ControlCase {
    const char* name;
    DWORD code;
    DWORD inputLength;
    bool nullInput;
    Bytes expectedInput;  // the input buffer afterwards
    DWORD lastError;
    bool restores;        // gives the windows their own procedures back
};

std::ostream& operator<<(std::ostream& out, const ControlCase& row) { return out << row.name; }

const ControlCase kControlCases[] = {
    {"VersionWithLengthFour", IOCTL_DKF_GET_VERSION, 4, false, {0x03, 0x00, 0x01, 0x00, kUntouched, kUntouched, kUntouched, kUntouched}, 0, false},
    {"VersionWithLengthZero", IOCTL_DKF_GET_VERSION, 0, false, kUntouchedInput, 87, false},
    {"VersionWithLengthThree", IOCTL_DKF_GET_VERSION, 3, false, kUntouchedInput, 87, false},
    {"VersionWithLengthEight", IOCTL_DKF_GET_VERSION, 8, false, kUntouchedInput, 87, false},
    {"VersionWithNullBufferLengthFour", IOCTL_DKF_GET_VERSION, 4, true, kUntouchedInput, 87, false},
    {"RestoreReplyWithLengthFour", IOCTL_DKF_RESTORE_REPLY, 4, false, {0xC0, 0x00, 0x00, 0x00, kUntouched, kUntouched, kUntouched, kUntouched}, 0, true},
    {"RestoreReplyWithLengthEight", IOCTL_DKF_RESTORE_REPLY, 8, false, kUntouchedInput, 0, true},
    {"RestoreReplyWithLengthZero", IOCTL_DKF_RESTORE_REPLY, 0, false, kUntouchedInput, 0, true},
    {"RestoreReplyWithNullBufferLengthFour", IOCTL_DKF_RESTORE_REPLY, 4, true, kUntouchedInput, 0, true},
    {"RestoreWithNullBuffers", IOCTL_DKF_RESTORE, 0, true, kUntouchedInput, 0, true},
    {"RestoreIgnoresTheLength", IOCTL_DKF_RESTORE, 4, false, kUntouchedInput, 0, true},
    {"UnknownCodeZero", 0, 4, false, kUntouchedInput, 87, false},
    {"UnknownCodeTwo", 2, 4, false, kUntouchedInput, 87, false},
    {"UnknownCode4200", 0x4200, 4, false, kUntouchedInput, 87, false},
};

class ControlCodes : public DriverTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlCodes, ReplyLastErrorRestoreAndTrace) {
    const ControlCase& row = GetParam();
    bootShell(false);
    bootDriver();
    HANDLE device = openDevice();
    HWND desktop = shell().desktop();
    HWND strip = shell().stripPane();
    ASSERT_NE(windowProcedure(desktop), shellDesktopProcedure()) << "the driver's procedure is installed";
    ASSERT_NE(windowProcedure(strip), shellStripProcedure());

    Bytes input = kUntouchedInput;
    Bytes output;
    output.fill(0x55);
    DWORD actualOutput = 0xDEADBEEF;
    SetLastError(12345);
    std::string before = trace();

    BOOL result = DeviceIoControl(device, row.code, row.nullInput ? nullptr : input.data(), row.inputLength,
                                  output.data(), static_cast<DWORD>(output.size()), &actualOutput, nullptr);
    DWORD lastError = GetLastError();

    EXPECT_EQ(result, TRUE);
    EXPECT_EQ(lastError, row.lastError);
    EXPECT_EQ(input, row.expectedInput);
    Bytes untouchedOutput;
    untouchedOutput.fill(0x55);
    EXPECT_EQ(output, untouchedOutput) << "the output buffer is never written";
    EXPECT_EQ(actualOutput, 0xDEADBEEFu) << "the actual-output count is never written";
    EXPECT_EQ(trace().substr(before.size()), "DKF:IOCTL+\r\nDKF:IOCTL-\r\n");
    if (row.restores) {
        EXPECT_EQ(windowProcedure(desktop), shellDesktopProcedure());
        EXPECT_EQ(windowProcedure(strip), shellStripProcedure());
    } else {
        EXPECT_NE(windowProcedure(desktop), shellDesktopProcedure());
        EXPECT_NE(windowProcedure(strip), shellStripProcedure());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCodeAndLength, ControlCodes, ::testing::ValuesIn(kControlCases),
                         [](const auto& info) { return std::string(info.param.name); });

using RestoreRequests = DriverTest;

TEST_F(RestoreRequests, BeforeInstallationChangeNothingAndAreNotRemembered) {
    bootShell(true);
    bootDriver();
    HANDLE device = openDevice();
    SetLastError(12345);
    EXPECT_EQ(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr), TRUE);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());

    shell().signalReady();
    settle();
    EXPECT_NE(windowProcedure(shell().desktop()), shellDesktopProcedure()) << "the worker still installs";
    EXPECT_NE(windowProcedure(shell().stripPane()), shellStripProcedure());
}

TEST_F(RestoreRequests, TwiceLeaveTheShellsProcedures) {
    bootShell(false);
    bootDriver();
    HANDLE device = openDevice();
    for (int request = 0; request < 2; ++request) {
        EXPECT_EQ(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr), TRUE);
        EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
        EXPECT_EQ(windowProcedure(shell().stripPane()), shellStripProcedure());
    }
}

}  // namespace
