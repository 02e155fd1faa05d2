// The version resource: the block the resource compiler made from test.rc,
// read field by field, and damaged blocks.
#include "resource_test_support.h"
#include "resources/version_info.h"

#include <cstring>

using namespace resource_test;

namespace {

std::vector<BYTE> ownVersionBlock() {
    ResourceBytes resource = ownResource(RT_VERSION, MAKEINTRESOURCE(1));
    return std::vector<BYTE>(resource.data, resource.data + resource.size);
}

}  // namespace

class VersionInfoTest : public ResourceTest {};

TEST_F(VersionInfoTest, FixedPartStringsAndTranslation) {
    std::vector<BYTE> block = ownVersionBlock();
    ASSERT_FALSE(block.empty());
    std::string error;
    auto info = ce::parseVersionResource(block.data(), block.size(), &error);
    ASSERT_TRUE(info) << error;
    EXPECT_EQ(info->structureVersion, 0x00010000u);
    EXPECT_EQ(info->fileVersionMS, 0x00010000u);
    EXPECT_EQ(info->fileVersionLS, 0x00000001u);
    EXPECT_EQ(info->productVersionMS, 0x00010000u);
    EXPECT_EQ(info->productVersionLS, 0x00000001u);
    EXPECT_EQ(info->fileFlagsMask, 0x3Fu);
    EXPECT_EQ(info->fileFlags, 0u);
    EXPECT_EQ(info->fileOS, 4u);
    EXPECT_EQ(info->fileType, 1u);
    EXPECT_EQ(info->fileSubtype, 0u);

    ASSERT_EQ(info->strings.size(), 1u);
    ASSERT_EQ(info->strings.count(u"040904b0"), 1u);
    const auto& table = info->strings.at(u"040904b0");
    const std::pair<const char16_t*, const char*> expected[] = {
        {u"CompanyName", ""},
        {u"FileDescription", "Hueprobe Program for PocketPC"},
        {u"FileVersion", "1, 0, 0, 1"},
        {u"InternalName", "Hueprobe"},
        {u"ProductName", "Hueprobe Application"},
    };
    EXPECT_EQ(table.size(), std::size(expected));
    for (const auto& [key, value] : expected) {
        ASSERT_EQ(table.count(key), 1u) << narrow(key);
        EXPECT_EQ(narrow(table.at(key)), value) << narrow(key);
    }
    EXPECT_EQ(info->translations, (std::vector<std::pair<WORD, WORD>>{{0x0409, 0x04B0}}));
}

TEST_F(VersionInfoTest, DamagedBlocksAreRefusedWithAReason) {
    std::vector<BYTE> block = ownVersionBlock();
    ASSERT_GT(block.size(), 100u);
    // The fixed part starts after the 6-byte node header and the key
    // "VS_VERSION_INFO" (16 characters with the NUL), DWORD-aligned: 40.
    std::vector<BYTE> badSignature = block;
    badSignature[40] ^= 0xFF;
    std::vector<BYTE> tooLong = block;
    WORD length = static_cast<WORD>(block.size() + 8);
    std::memcpy(tooLong.data(), &length, sizeof length);
    std::vector<BYTE> tinyLength = block;
    WORD four = 4;
    std::memcpy(tinyLength.data(), &four, sizeof four);
    std::vector<BYTE> wrongKey = block;
    wrongKey[6] = 'X';
    std::vector<BYTE> shortFixedPart = block;
    WORD fixedLength = 20;
    std::memcpy(shortFixedPart.data() + 2, &fixedLength, sizeof fixedLength);
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"signature", badSignature, "version resource: the fixed file information has the wrong signature"},
        {"length", tooLong, "version resource: the version block runs past the end of its parent"},
        {"tiny length", tinyLength, "version resource: the version block is shorter than its own header"},
        {"key", wrongKey, "version resource: the root block is not VS_VERSION_INFO"},
        {"fixed part", shortFixedPart, "version resource: the fixed file information is cut short"},
        {"empty", {}, "version resource: the version block is cut short"},
    };
    for (const Case& test : cases) {
        std::string error;
        EXPECT_FALSE(ce::parseVersionResource(test.bytes.data(), test.bytes.size(), &error)) << test.what;
        EXPECT_EQ(error, test.message) << test.what;
    }
}

// Any cut through the block, and any byte overwritten, is handled without
// reading outside it (ASan checks the reads).
TEST_F(VersionInfoTest, TruncatedAndCorruptedBlocksNeverCrash) {
    std::vector<BYTE> block = ownVersionBlock();
    ASSERT_GE(block.size(), 2u);
    WORD rootLength = 0;  // the resource may carry padding after the block
    std::memcpy(&rootLength, block.data(), sizeof rootLength);
    for (std::size_t length = 0; length < rootLength; ++length) {
        std::vector<BYTE> cut(block.begin(), block.begin() + length);
        std::string error;
        EXPECT_FALSE(ce::parseVersionResource(cut.data(), cut.size(), &error)) << "length " << length;
        EXPECT_FALSE(error.empty());
    }
    for (std::size_t at = 0; at < block.size(); ++at) {
        std::vector<BYTE> damaged = block;
        damaged[at] = 0xFF;
        std::string error;
        if (!ce::parseVersionResource(damaged.data(), damaged.size(), &error)) {
            EXPECT_FALSE(error.empty());
        }
    }
}
