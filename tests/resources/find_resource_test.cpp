// FindResource, LoadResource, LockResource and SizeofResource on this test
// program's own resources and on a library whose resource section is damaged.
#include "kernel/debug_output.h"
#include "resource_test_support.h"
#include "resources/resource_manager.h"
#include "test_resource_ids.h"

using namespace resource_test;

namespace {

std::string ownText(LPCWSTR type, LPCWSTR name) {
    ResourceBytes resource = ownResource(type, name);
    if (!resource.data) return "<not found>";
    return std::string(reinterpret_cast<const char*>(resource.data), resource.size);
}

}  // namespace

class FindResourceTest : public ResourceTest {};

TEST_F(FindResourceTest, NamesAndTypesInEveryForm) {
    struct Case {
        LPCWSTR type;
        LPCWSTR name;
        const char* text;
    };
    const Case cases[] = {
        {RT_RCDATA, u"SAMPLE", "named"},
        {RT_RCDATA, u"sample", "named"},  // names ignore case
        {u"#10", u"Sample", "named"},     // "#10" is the ordinal 10
        {RT_RCDATA, MAKEINTRESOURCE(IDR_LANGUAGES), "english"},  // U.S. English preferred
        {RT_RCDATA, u"#7", "english"},
        {RT_RCDATA, MAKEINTRESOURCE(IDR_GERMAN_ONLY), "nur deutsch"},  // else the one there is
    };
    for (const Case& test : cases) EXPECT_EQ(ownText(test.type, test.name), test.text);

    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC byOrdinal = FindResourceW(program, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG);
    ASSERT_NE(byOrdinal, nullptr);
    EXPECT_EQ(FindResourceW(program, u"#102", RT_DIALOG), byOrdinal);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(IDD_CLASSIC), u"#5"), byOrdinal);
}

TEST_F(FindResourceTest, LoadedBytesStayPutAndMatchTheirSize) {
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(program, found);
    ASSERT_NE(loaded, nullptr);
    void* bytes = LockResource(loaded);
    EXPECT_EQ(bytes, loaded);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % 4, 0u);
    // Every later load gives the same bytes at the same place.
    EXPECT_EQ(LockResource(LoadResource(program, FindResourceW(program, u"#102", RT_DIALOG))), bytes);
    DWORD size = SizeofResource(program, found);
    ResourceBytes resource = ownResource(RT_DIALOG, MAKEINTRESOURCE(IDD_CLASSIC));
    EXPECT_EQ(size, resource.size);
    // 18-byte header, menu, class, "Hueprobe", font 8 "System", then three
    // DWORD-aligned controls: the size covers at least the header and texts.
    EXPECT_GT(size, 18u + 4u + 18u + 2u + 14u);
}

TEST_F(FindResourceTest, FailuresSetTheLastError) {
    HMODULE program = GetModuleHandleW(nullptr);
    struct Case {
        const char* what;
        HMODULE module;
        LPCWSTR name;
        LPCWSTR type;
        DWORD error;
    };
    const Case cases[] = {
        {"missing name", program, MAKEINTRESOURCE(4242), RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"missing string name", program, u"NOPE", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"missing type", program, MAKEINTRESOURCE(1), RT_MENU, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"no name", program, nullptr, RT_DIALOG, ERROR_INVALID_PARAMETER},
        {"unknown module", reinterpret_cast<HMODULE>(std::uintptr_t{0x5150}), MAKEINTRESOURCE(IDD_CLASSIC),
         RT_DIALOG, ERROR_INVALID_HANDLE},
    };
    for (const Case& test : cases) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(test.module, test.name, test.type), nullptr) << test.what;
        EXPECT_EQ(GetLastError(), test.error) << test.what;
    }
    HRSRC bogus = reinterpret_cast<HRSRC>(std::uintptr_t{0x1234});
    EXPECT_EQ(LoadResource(program, bogus), nullptr);
    EXPECT_EQ(SizeofResource(program, bogus), 0u);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
}

TEST_F(FindResourceTest, DamagedModuleReportsOnceOnTheDebugOutput) {
    HMODULE damaged = LoadLibraryW(std::u16string(DAMAGED_MODULE_FILE, DAMAGED_MODULE_FILE + sizeof DAMAGED_MODULE_FILE - 1).c_str());
    ASSERT_NE(damaged, nullptr);
    auto& debugOutput = device.get<ce::DebugOutput>();
    debugOutput.clear();
    for (int attempt = 0; attempt < 2; ++attempt) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(damaged, MAKEINTRESOURCE(1), RT_RCDATA), nullptr);
        EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});
        SetLastError(0);
        EXPECT_EQ(LoadIconW(damaged, MAKEINTRESOURCE(1)), nullptr);
        EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});
    }
    std::string expected = std::string(DAMAGED_MODULE_FILE) +
                           " (.rsrc section): resource #10/#1 at offset 0x20 has 4096 bytes of data, which run past "
                           "the end of the file\r\n";
    EXPECT_EQ(debugOutput.utf8(), expected);
    FreeLibrary(damaged);
}

TEST_F(FindResourceTest, ModuleWithoutResourcesSaysNothing) {
    // Internal: coredll itself has no .rsrc section; asked by path because
    // loading the platform library as a module of itself is not the point.
    auto lookup = device.get<ce::ResourceManager>().find(CORE_LIBRARY_FILE, ce::ResourceName::fromOrdinal(5),
                                                         ce::ResourceName::fromOrdinal(1));
    EXPECT_EQ(lookup.entry, nullptr);
    EXPECT_EQ(lookup.error, DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});
    EXPECT_TRUE(lookup.report.empty());
}
