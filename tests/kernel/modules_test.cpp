// The loader: name mapping, DllMain order, reference counts, exports and
// module names.
#include "device/device.h"
#include "kernel/debug_output.h"
#include "kernel/module_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ModuleTest : public testing::Test {
protected:
    ModuleTest() { device.get<ce::ModuleRegistry>().addSearchDirectory(PROBE_LIBRARY_DIRECTORY); }
    // Internal view: what DllMain wrote.
    std::u16string debugText() { return device.get<ce::DebugOutput>().text(); }

    ce::Device device;
};

TEST_F(ModuleTest, SecondLoadSharesTheModuleAndOnlyTheLastFreeDetaches) {
    HMODULE first = LoadLibraryW(u"\\Windows\\KernelProbeLibrary.dll");
    ASSERT_NE(first, nullptr) << device.get<ce::ModuleRegistry>().lastLoadFailure();
    EXPECT_EQ(debugText(), u"probe attach\r\n");

    HMODULE second = LoadLibraryW(u"KernelProbeLibrary.dll");
    EXPECT_EQ(second, first);
    EXPECT_EQ(debugText(), u"probe attach\r\n");

    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(debugText(), u"probe attach\r\n");
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(debugText(), u"probe attach\r\nprobe detach\r\n");

    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetModuleHandleW(u"KernelProbeLibrary.dll"), nullptr);
}

TEST_F(ModuleTest, ExportsInstanceAndFileNameAreTheModules) {
    HMODULE module = LoadLibraryW(u"KernelProbeLibrary");  // ".dll" assumed
    ASSERT_NE(module, nullptr);

    FARPROC answer = GetProcAddressW(module, u"ProbeAnswer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    auto instance = reinterpret_cast<HANDLE (*)()>(reinterpret_cast<void*>(GetProcAddressW(module, u"ProbeInstance")));
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance(), static_cast<HANDLE>(module));
    FARPROC disabled = GetProcAddressW(module, u"ProbeDisableResult");
    EXPECT_TRUE(disabled());

    SetLastError(0);
    EXPECT_EQ(GetProcAddressW(module, u"NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddressW(module, reinterpret_cast<LPCWSTR>(std::uintptr_t{1})), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);

    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(module, path, MAX_PATH), 31u);
    EXPECT_EQ(std::u16string(path), u"\\Windows\\KernelProbeLibrary.dll");
    WCHAR shortBuffer[9];
    EXPECT_EQ(GetModuleFileNameW(module, shortBuffer, 9), 8u);
    EXPECT_EQ(std::u16string(shortBuffer), u"\\Windows");
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);

    EXPECT_EQ(GetModuleHandleW(u"kernelprobelibrary.DLL"), module);
    EXPECT_EQ(ce::moduleDevicePath(module), u"\\Windows\\KernelProbeLibrary.dll");
    EXPECT_EQ(std::filesystem::canonical(ce::moduleHostPath(module)), std::filesystem::canonical(PROBE_LIBRARY_FILE));
    FreeLibrary(module);
}

TEST_F(ModuleTest, AbsoluteHostPathLoadsTheSameLibrary) {
    HMODULE byName = LoadLibraryW(u"KernelProbeLibrary.dll");
    std::u16string hostPath;
    for (char c : std::string(PROBE_LIBRARY_FILE)) hostPath += static_cast<char16_t>(c);
    HMODULE byPath = LoadLibraryW(hostPath.c_str());
    EXPECT_EQ(byPath, byName);
    FreeLibrary(byPath);
    FreeLibrary(byName);
    EXPECT_EQ(debugText(), u"probe attach\r\nprobe detach\r\n");
}

TEST_F(ModuleTest, FailedLoadsSetTheirErrors) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(u"\\Windows\\Missing.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_NE(device.get<ce::ModuleRegistry>().lastLoadFailure().find("Missing.dll"), std::string::npos);

    EXPECT_EQ(LoadLibraryW(u"KernelRefusingLibrary.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_DLL_INIT_FAILED);
    EXPECT_EQ(GetModuleHandleW(u"KernelRefusingLibrary.dll"), nullptr);
    // A refused attach gets no detach.
    EXPECT_EQ(debugText(), u"refusing attach\r\n");
}

TEST_F(ModuleTest, NullModuleMeansTheHostExecutableOutsideAnyProgram) {
    HMODULE self = GetModuleHandleW(nullptr);
    ASSERT_NE(self, nullptr);
    WCHAR path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    EXPECT_EQ(std::u16string(path), u"\\Windows\\host.exe");
    EXPECT_EQ(std::filesystem::canonical(ce::moduleHostPath(nullptr)),
              std::filesystem::canonical("/proc/self/exe"));
    EXPECT_FALSE(FreeLibrary(self));
}

}  // namespace
