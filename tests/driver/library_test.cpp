// The built library itself: what it exports and its version resource.
#include "driver_fixture.h"

#include "kernel/module_registry.h"
#include "resources/version_info.h"

#include <dlfcn.h>

#include <cstdio>
#include <set>

using namespace driver_test;

namespace {

const char* const kStreamNames[] = {"DKF_Open", "DKF_Close", "DKF_Read", "DKF_Write", "DKF_Seek"};

// The defined dynamic symbols, as the host's nm reports them.
std::set<std::string> definedExports(const std::string& library) {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only --format=posix '" + library + "'";
    FILE* listing = popen(command.c_str(), "r");
    if (!listing) return names;
    char line[512];
    while (std::fgets(line, sizeof line, listing)) {
        std::string text(line);
        names.insert(text.substr(0, text.find(' ')));
    }
    pclose(listing);
    return names;
}

TEST(DockfadeLibrary, ExportsTheEightEntryPointsAndDllMainOnly) {
    std::set<std::string> expected{"DllMain",  "DKF_Init", "DKF_Deinit", "DKF_IOControl", "DKF_Open",
                                   "DKF_Close", "DKF_Read", "DKF_Write",  "DKF_Seek"};
    EXPECT_EQ(definedExports(DOCKFADE_LIBRARY), expected);
}

TEST(DockfadeLibrary, FiveStreamNamesShareOneBody) {
    void* library = dlopen(DOCKFADE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    void* body = dlsym(library, "DKF_Open");
    ASSERT_NE(body, nullptr);
    for (const char* name : kStreamNames) EXPECT_EQ(dlsym(library, name), body) << name;
    for (const char* name : {"DKF_Init", "DKF_Deinit", "DKF_IOControl", "DllMain"}) {
        EXPECT_NE(dlsym(library, name), nullptr) << name;
        EXPECT_NE(dlsym(library, name), body) << name;
    }
    for (const char* hidden : {"StreamStub", "HookState", "InstallStepObserver", "_Z16ShellReadyWorkerPv"})
        EXPECT_EQ(dlsym(library, hidden), nullptr) << hidden << " must not be exported";
    dlclose(library);
}

TEST(DockfadeLibrary, VersionResourceReadsBack) {
    ce::Device device(ce::DeviceOptions{kScreenWidth, kScreenHeight, ce::ClockMode::Virtual});
    device.get<ce::ModuleRegistry>().addSearchDirectory(DOCKFADE_DIRECTORY);
    HMODULE module = LoadLibraryW(u"Dockfade.dll");
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION);
    ASSERT_NE(found, nullptr);
    const void* data = LockResource(LoadResource(module, found));
    std::string error;
    auto version = ce::parseVersionResource(data, SizeofResource(module, found), &error);
    ASSERT_TRUE(version) << error;

    EXPECT_EQ(version->fileVersionMS, 0x00010003u);
    EXPECT_EQ(version->fileVersionLS, 0x00000001u);
    EXPECT_EQ(version->productVersionMS, 0x00010003u);
    EXPECT_EQ(version->productVersionLS, 0x00000001u);
    EXPECT_EQ(version->fileFlags, 0u);
    EXPECT_EQ(version->fileOS, 0x4u);
    EXPECT_EQ(version->fileType, 0u);
    ASSERT_EQ(version->strings.count(u"040904b0"), 1u);
    auto& strings = version->strings.at(u"040904b0");
    EXPECT_EQ(strings.at(u"FileVersion"), u"1, 3, 0, 1");
    EXPECT_EQ(strings.at(u"ProductVersion"), u"1, 3, 0, 1");
    for (auto key : {u"FileDescription", u"InternalName", u"OriginalFilename", u"ProductName"})
        EXPECT_EQ(strings.at(key), u"Dockfade");
    EXPECT_TRUE(FreeLibrary(module));
}

}  // namespace
