// Several threads loading the same module's resources for the first time at
// once: one load of the file, one shared icon, the same bytes for everyone.
#include "resource_test_support.h"
#include "resources/icons.h"
#include "test_resource_ids.h"

#include <array>

using namespace resource_test;

namespace {

struct LoadResult {
    HICON icon = nullptr;
    const void* dialog = nullptr;
    int stringLength = 0;
};

DWORD WINAPI loadEverything(LPVOID parameter) {
    auto* result = static_cast<LoadResult*>(parameter);
    HMODULE program = GetModuleHandleW(nullptr);
    result->icon = LoadIconW(program, MAKEINTRESOURCE(IDI_APP));
    result->dialog = LockResource(LoadResource(program, FindResourceW(program, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG)));
    WCHAR buffer[32];
    result->stringLength = LoadStringW(program, IDS_SECOND, buffer, 32);
    return 0;
}

}  // namespace

class ConcurrentLoadingTest : public ResourceTest {};

TEST_F(ConcurrentLoadingTest, ThreadsShareOneIconAndOneCopyOfTheBytes) {
    std::array<LoadResult, 4> results;
    std::array<HANDLE, 4> threads{};
    for (std::size_t index = 0; index < threads.size(); ++index)
        threads[index] = CreateThread(nullptr, 0, loadEverything, &results[index], 0, nullptr);
    for (HANDLE thread : threads) {
        ASSERT_NE(thread, nullptr);
        EXPECT_EQ(WaitForSingleObject(thread, INFINITE), DWORD{WAIT_OBJECT_0});
        CloseHandle(thread);
    }
    ASSERT_NE(results[0].icon, nullptr);
    ASSERT_NE(results[0].dialog, nullptr);
    for (const LoadResult& result : results) {
        EXPECT_EQ(result.icon, results[0].icon);
        EXPECT_EQ(result.dialog, results[0].dialog);
        EXPECT_EQ(result.stringLength, 13);
    }
    EXPECT_NE(ce::iconImage(results[0].icon), nullptr);
}
