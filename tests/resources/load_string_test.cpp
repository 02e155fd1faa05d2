// LoadString: copying, truncation, the read-only pointer form, and strings
// that are not there.
#include "resource_test_support.h"
#include "test_resource_ids.h"

using namespace resource_test;

class LoadStringTest : public ResourceTest {};

TEST_F(LoadStringTest, CopiesAndTruncates) {
    HINSTANCE program = GetModuleHandleW(nullptr);
    struct Case {
        UINT id;
        int bufferLength;
        int result;
        const char* text;
    };
    const Case cases[] = {
        {IDS_FIRST, 64, 5, "First"},
        {IDS_SECOND, 64, 13, "Second string"},
        {IDS_OTHER_BLOCK, 64, 11, "Block three"},  // a second string-table block
        {IDS_SECOND, 7, 6, "Second"},              // room for six characters and the NUL
        {IDS_FIRST, 1, 0, ""},
        {IDS_EMPTY, 64, 0, ""},                    // a slot of an existing block left empty
    };
    for (const Case& test : cases) {
        WCHAR buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(LoadStringW(program, test.id, buffer, test.bufferLength), test.result) << test.id;
        EXPECT_EQ(narrow(buffer), test.text) << test.id;
        EXPECT_EQ(buffer[test.result + 1], u'#') << "wrote past the NUL for " << test.id;
    }
}

TEST_F(LoadStringTest, ZeroLengthBufferReceivesAPointerToTheResource) {
    const WCHAR* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), IDS_SECOND, reinterpret_cast<LPWSTR>(&text), 0);
    ASSERT_EQ(length, 13);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(narrow(std::u16string(text, length)), "Second string");
}

TEST_F(LoadStringTest, MissingStringsAndBadArguments) {
    HINSTANCE program = GetModuleHandleW(nullptr);
    WCHAR buffer[8] = u"xxxxxxx";
    SetLastError(0);
    EXPECT_EQ(LoadStringW(program, 500, buffer, 8), 0);  // no block 32
    EXPECT_EQ(GetLastError(), DWORD{ERROR_RESOURCE_NAME_NOT_FOUND});
    EXPECT_EQ(buffer[0], 0);
    SetLastError(0);
    EXPECT_EQ(LoadStringW(program, IDS_FIRST, nullptr, 8), 0);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
}
