// Hueprobe's compiled resources read back from its image: version block,
// icon group and the two dialog templates.
#include "resources/dialog_template.h"
#include "resources/icon_group.h"
#include "resources/resource_module.h"
#include "resources/version_info.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

class HueprobeResources : public testing::Test {
protected:
    HueprobeResources() : module_(ce::ResourceModule::loadFile(HUEPROBE_IMAGE_FILE)) {}

    // The resource's bytes; fails the test when it is missing.
    std::pair<const BYTE*, std::size_t> Resource(WORD type, WORD name) {
        EXPECT_EQ(module_->state(), ce::ResourceModule::State::Loaded) << module_->error();
        const ce::ResourceEntry* entry =
            module_->find(ce::ResourceName::fromOrdinal(type), ce::ResourceName::fromOrdinal(name));
        if (entry == nullptr) {
            ADD_FAILURE() << "no resource " << type << "/" << name;
            return {nullptr, 0};
        }
        EXPECT_EQ(entry->language, 0x0409);
        return {module_->dataOf(*entry), entry->dataSize};
    }

    ce::DialogTemplate Dialog(WORD id) {
        auto [data, size] = Resource(5, id);
        std::string error;
        auto parsed = ce::parseDialogTemplate(data, size, &error);
        EXPECT_TRUE(parsed.has_value()) << error;
        return parsed.value_or(ce::DialogTemplate{});
    }

    std::unique_ptr<ce::ResourceModule> module_;
};

TEST_F(HueprobeResources, VersionBlockIdentifiesTheProgram) {
    auto [data, size] = Resource(16, 1);
    std::string error;
    auto version = ce::parseVersionResource(data, size, &error);
    ASSERT_TRUE(version.has_value()) << error;
    EXPECT_EQ(version->fileVersionMS, 0x00010000u);
    EXPECT_EQ(version->fileVersionLS, 0x00000001u);
    EXPECT_EQ(version->productVersionMS, 0x00010000u);
    EXPECT_EQ(version->productVersionLS, 0x00000001u);
    EXPECT_EQ(version->fileFlagsMask, 0x3Fu);
    EXPECT_EQ(version->fileFlags, 0u);
    EXPECT_EQ(version->fileOS, 4u);
    EXPECT_EQ(version->fileType, 1u);
    EXPECT_EQ(version->fileSubtype, 0u);

    ASSERT_EQ(version->strings.count(u"040904b0"), 1u);
    const auto& strings = version->strings.at(u"040904b0");
    const std::pair<const char16_t*, const char16_t*> expected[] = {
        {u"FileVersion", u"1, 0, 0, 1"},
        {u"ProductVersion", u"1, 0, 0, 1"},
        {u"FileDescription", u"Hueprobe Program for PocketPC"},
        {u"InternalName", u"Hueprobe"},
        {u"OriginalFilename", u"Hueprobe.EXE"},
        {u"ProductName", u"Hueprobe Application"},
        {u"CompanyName", u""},
        {u"LegalTrademarks", u""},
        {u"PrivateBuild", u""},
        {u"SpecialBuild", u""},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_EQ(strings.count(key), 1u) << "missing item";
        EXPECT_TRUE(strings.at(key) == value);
    }
    EXPECT_EQ(strings.count(u"Comments"), 1u);
    EXPECT_EQ(strings.count(u"LegalCopyright"), 1u);
    EXPECT_EQ(version->translations, (std::vector<std::pair<WORD, WORD>>{{0x0409, 0x04B0}}));
}

TEST_F(HueprobeResources, IconGroupHoldsA32And16PixelSixteenColourImage) {
    auto [data, size] = Resource(14, 128);
    std::string error;
    auto group = ce::parseIconGroup(data, size, &error);
    ASSERT_TRUE(group.has_value()) << error;
    ASSERT_EQ(group->entries.size(), 2u);
    const int sizes[2] = {32, 16};
    for (int index = 0; index < 2; ++index) {
        const ce::IconGroupEntry& image = group->entries[index];
        EXPECT_EQ(image.width, sizes[index]);
        EXPECT_EQ(image.height, sizes[index]);
        EXPECT_EQ(image.colorCount, 16);
        EXPECT_EQ(image.bitCount, 4);
        auto [bits, bitsSize] = Resource(3, image.id);
        ASSERT_NE(bits, nullptr);
        EXPECT_EQ(bitsSize, image.bytesInResource);
    }
}

TEST_F(HueprobeResources, LauncherTemplateHasItsStylesAndSixControls) {
    ce::DialogTemplate launcher = Dialog(102);
    EXPECT_EQ(launcher.style, 0x90C000C0u);
    EXPECT_EQ(launcher.exStyle, 0x80040000u);
    EXPECT_EQ(launcher.x, 0);
    EXPECT_EQ(launcher.y, 0);
    EXPECT_EQ(launcher.cx, 136);
    EXPECT_EQ(launcher.cy, 155);
    EXPECT_TRUE(launcher.caption == u"Hueprobe");
    EXPECT_EQ(launcher.pointSize, 8);
    EXPECT_TRUE(launcher.faceName == u"System");

    struct Control {
        DWORD id;
        const char16_t* windowClass;
        const char16_t* text;  // null: a text left to the program
        DWORD style;
        short x, y, cx, cy;
    };
    const Control expected[] = {
        {1000, u"button", u"Start Check", 0x50010000, 23, 87, 90, 14},
        {1001, u"button", u"Exit", 0x50010000, 23, 105, 90, 14},
        {0xFFFF, u"static", u"Hueprobe V 1.0b", 0x50020001, 16, 29, 106, 9},
        {0xFFFF, u"static", nullptr, 0x50020001, 17, 50, 106, 9},
        {0xFFFF, u"static", nullptr, 0x50020001, 15, 60, 106, 9},
        {0xFFFF, u"static", u"FreeWare", 0x50020001, 17, 39, 106, 9},
    };
    ASSERT_EQ(launcher.items.size(), 6u);
    for (size_t index = 0; index < 6; ++index) {
        SCOPED_TRACE("control " + std::to_string(index));
        const ce::DialogItemTemplate& item = launcher.items[index];
        const Control& want = expected[index];
        EXPECT_EQ(item.id & 0xFFFF, want.id);
        EXPECT_TRUE(item.windowClass == want.windowClass);
        if (want.text) EXPECT_TRUE(item.text == want.text);
        else EXPECT_FALSE(item.text.empty());
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
    }
}

TEST_F(HueprobeResources, ColourTestTemplateIsHiddenWithoutControls) {
    ce::DialogTemplate colour = Dialog(129);
    EXPECT_EQ(colour.style, 0x80C800C0u);
    EXPECT_EQ(colour.exStyle, 0u);
    EXPECT_EQ(colour.x, 0);
    EXPECT_EQ(colour.y, 0);
    EXPECT_EQ(colour.cx, 265);
    EXPECT_EQ(colour.cy, 73);
    EXPECT_TRUE(colour.caption == u"Hueprobe");
    EXPECT_EQ(colour.pointSize, 10);
    EXPECT_TRUE(colour.faceName == u"System");
    EXPECT_TRUE(colour.items.empty());
}

}  // namespace
