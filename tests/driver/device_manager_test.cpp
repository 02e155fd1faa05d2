#include "driver_fixture.h"

#include "devicemanager/device_manager.h"
#include "devicemanager/registry.h"
#include "kernel/debug_output.h"

#include <dockfade_control_codes.h>

#include <fstream>

using namespace driver_test;

namespace {

std::string writeRegistryFile(const std::string& name, const std::string& text) {
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const std::u16string kActiveFirst = u"HKEY_LOCAL_MACHINE\\Drivers\\Active\\01";
const std::u16string kActiveSecond = u"HKEY_LOCAL_MACHINE\\Drivers\\Active\\02";

using DeviceManager = DriverTest;

TEST_F(DeviceManager, BootsInAscendingOrderAndOneLoadStartsOneWorker) {
    bootShell(true);
    // Two devices of one library: one load, one DllMain attach, two Inits.
    std::string path = writeRegistryFile("two_devices.reg",
                                         "REGEDIT4\n"
                                         "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Late]\n"
                                         "\"Prefix\"=\"DKF\"\n\"Dll\"=\"Dockfade.dll\"\n\"Order\"=dword:30\n\"Index\"=dword:1\n"
                                         "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Early]\n"
                                         "\"Prefix\"=\"DKF\"\n\"Dll\"=\"Dockfade.dll\"\n\"Order\"=dword:10\n\"Index\"=dword:2\n");
    bootDriver(path);
    auto& registry = device_->get<ce::Registry>();
    EXPECT_EQ(registry.stringValue(kActiveFirst, u"Name"), u"DKF2:");
    EXPECT_EQ(registry.stringValue(kActiveFirst, u"Key"), u"HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Early");
    EXPECT_EQ(registry.stringValue(kActiveSecond, u"Name"), u"DKF1:");
    EXPECT_EQ(trace(), "DKF:DLLMain+\r\nDKF:DLLMain-ATTACH\r\nDKF:DLLMain-\r\n"
                       "DKF:INIT+\r\nDKF:INIT-\r\nDKF:INIT+\r\nDKF:INIT-\r\n");

    shell().signalReady();
    settle();
    // A second worker would have saved the driver's own procedure as the
    // previous one, so that a restore would leave the driver's in place.
    HANDLE device = openDevice();
    EXPECT_EQ(DeviceIoControl(device, IOCTL_DKF_RESTORE, nullptr, 0, nullptr, 0, nullptr, nullptr), TRUE);
    EXPECT_EQ(windowProcedure(shell().desktop()), shellDesktopProcedure());
    EXPECT_EQ(windowProcedure(shell().stripPane()), shellStripProcedure());
    EXPECT_EQ(SendMessage(shell().desktop(), WM_NULL, 0, 0), 0) << "the desktop still answers";
}

TEST_F(DeviceManager, ABrokenEntryDoesNotStopTheOthers) {
    bootShell(true);
    auto& manager = device_->get<ce::DeviceManager>();
    std::string path = writeRegistryFile("broken_entry.reg",
                                         "REGEDIT4\n"
                                         "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Missing]\n"
                                         "\"Prefix\"=\"MIS\"\n\"Dll\"=\"NoSuchDriver.dll\"\n\"Order\"=dword:1\n"
                                         "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\NoPrefix]\n"
                                         "\"Dll\"=\"Dockfade.dll\"\n\"Order\"=dword:2\n"
                                         "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Dockfade]\n"
                                         "\"Prefix\"=\"DKF\"\n\"Dll\"=\"Dockfade.dll\"\n\"Order\"=dword:3\n");
    std::string error;
    ASSERT_TRUE(manager.loadRegistry(path, &error)) << error;
    EXPECT_FALSE(manager.bootBuiltInDrivers(&error));
    EXPECT_NE(error.find("HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Missing: cannot load NoSuchDriver.dll"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find("HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\NoPrefix: a driver key needs a string \"Dll\" and "
                         "a three-letter string \"Prefix\""),
              std::string::npos)
        << error;
    EXPECT_EQ(manager.deviceNames(), std::vector<std::u16string>{u"DKF1:"}) << "index 1 is the first free one";
}

TEST_F(DeviceManager, MalformedRegistryFileIsReported) {
    std::string path = writeRegistryFile("malformed.reg", "REGEDIT4\n[HKLM\\Drivers\\BuiltIn\\X]\n\"Order\"=dword:zz\n");
    std::string error;
    EXPECT_FALSE(device_->get<ce::DeviceManager>().loadRegistry(path, &error));
    EXPECT_EQ(error, path + ":3: a dword value needs hex digits after \"dword:\"");
}

TEST_F(DeviceManager, UnknownNamesFailWithTheirError) {
    struct Case {
        const WCHAR* name;
        DWORD error;
    };
    for (Case row : {Case{u"DKF1:", ERROR_DEV_NOT_EXIST}, Case{u"XYZ3:", ERROR_DEV_NOT_EXIST},
                     Case{u"\\Windows\\notes.txt", ERROR_FILE_NOT_FOUND}}) {
        SetLastError(0);
        EXPECT_EQ(CreateFileW(row.name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), row.error);
    }
    DWORD bytes = 0;
    SetLastError(0);
    EXPECT_FALSE(ReadFile(reinterpret_cast<HANDLE>(0x4000), nullptr, 0, &bytes, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(DeviceManager, ActivateDeviceExAndDeactivateDeviceFromAProgram) {
    bootShell(true);
    std::string error;
    ASSERT_TRUE(device_->get<ce::DeviceManager>().loadRegistry(DOCKFADE_REGISTRY_FILE, &error)) << error;
    device_->get<ce::DebugOutput>().clear();

    SetLastError(0);
    EXPECT_EQ(ActivateDeviceEx(u"Drivers\\BuiltIn\\NoSuchKey", nullptr, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    HANDLE activation = ActivateDeviceEx(u"Drivers\\BuiltIn\\Dockfade", nullptr, 0, nullptr);
    ASSERT_NE(activation, INVALID_HANDLE_VALUE);
    HANDLE device = CreateFileW(u"DKF1:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    BYTE reply[4] = {};
    EXPECT_TRUE(DeviceIoControl(device, IOCTL_DKF_GET_VERSION, reply, 4, nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(reply[2], 0x01);

    EXPECT_TRUE(DeactivateDevice(activation));
    EXPECT_EQ(trace(), "DKF:DLLMain+\r\nDKF:DLLMain-ATTACH\r\nDKF:DLLMain-\r\nDKF:INIT+\r\nDKF:INIT-\r\n"
                       "DKF:IOCTL+\r\nDKF:IOCTL-\r\nDKF:DEINIT+\r\nDKF:DEINIT-\r\nDKF:DLLMain+\r\nDKF:DLLMain-DETACH\r\nDKF:DLLMain-\r\n");
    // The handle outlives the device: calls fail instead of reaching code that is gone.
    SetLastError(0);
    EXPECT_FALSE(DeviceIoControl(device, IOCTL_DKF_GET_VERSION, reply, 4, nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DEV_NOT_EXIST));
    EXPECT_EQ(CreateFileW(u"DKF1:", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(device));
    EXPECT_FALSE(DeactivateDevice(activation)) << "already deactivated";
}

}  // namespace
