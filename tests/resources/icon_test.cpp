// Icons: groups, image choice, decoding at every colour depth, shared
// handles from LoadIcon, and DrawIcon's pixels on the emulated screen.
#include "gdi/device_context.h"
#include "gdi/screen.h"
#include "resource_test_support.h"
#include "resources/icon_group.h"
#include "resources/icon_image.h"
#include "resources/icons.h"
#include "resources/resource_manager.h"
#include "test_resource_ids.h"

#include <cstring>

using namespace resource_test;

namespace {

// The palette app.ico uses (make_test_icons.py), as 0xRRGGBB.
constexpr std::uint32_t standardPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::uint32_t depthsColour(int x, int y) { return (std::uint32_t(x * 16) << 16) | (std::uint32_t(y * 16) << 8) | 0x80; }

ce::IconGroup ownGroup(WORD id) {
    ResourceBytes resource = ownResource(RT_GROUP_ICON, MAKEINTRESOURCE(id));
    std::string error;
    auto group = ce::parseIconGroup(resource.data, resource.size, &error);
    EXPECT_TRUE(group) << error;
    return group.value_or(ce::IconGroup{});
}

std::vector<BYTE> ownIconImageBytes(WORD id) {
    ResourceBytes resource = ownResource(RT_ICON, MAKEINTRESOURCE(id));
    return std::vector<BYTE>(resource.data, resource.data + resource.size);
}

// A 2 x 2 4-bit image header for the damaged-image table.
std::vector<BYTE> tinyImage(LONG width, LONG height, WORD bitCount, DWORD compression) {
    std::vector<BYTE> bytes;
    appendValue<DWORD>(bytes, 40);
    appendValue<LONG>(bytes, width);
    appendValue<LONG>(bytes, height);
    appendValue<WORD>(bytes, 1);
    appendValue<WORD>(bytes, bitCount);
    appendValue<DWORD>(bytes, compression);
    for (int field = 0; field < 5; ++field) appendValue<DWORD>(bytes, 0);
    return bytes;
}

}  // namespace

class IconTest : public ResourceTest {};

TEST_F(IconTest, GroupsListTheirImages) {
    ce::IconGroup app = ownGroup(IDI_APP);
    ASSERT_EQ(app.entries.size(), 2u);
    EXPECT_EQ(app.entries[0].width, 32);
    EXPECT_EQ(app.entries[0].height, 32);
    EXPECT_EQ(app.entries[0].bitCount, 4);
    EXPECT_EQ(app.entries[0].colorCount, 16);
    EXPECT_EQ(app.entries[1].width, 16);
    EXPECT_EQ(app.entries[1].bitCount, 4);
    // Each entry names an RT_ICON resource of exactly its byte count.
    for (const ce::IconGroupEntry& entry : app.entries)
        EXPECT_EQ(ownIconImageBytes(entry.id).size(), entry.bytesInResource);

    ce::IconGroup depths = ownGroup(IDI_DEPTHS);
    ASSERT_EQ(depths.entries.size(), 4u);
    std::vector<int> bitCounts;
    for (const auto& entry : depths.entries) bitCounts.push_back(entry.bitCount);
    EXPECT_EQ(bitCounts, (std::vector<int>{1, 8, 24, 32}));
}

TEST_F(IconTest, ChoiceTakesTheClosestSizeThenTheMostColours) {
    ce::IconGroup group;
    group.entries = {{16, 16, 16, 1, 4, 0, 1}, {32, 32, 16, 1, 4, 0, 2}, {32, 32, 0, 1, 8, 0, 3},
                     {48, 48, 0, 1, 32, 0, 4}, {32, 32, 2, 1, 1, 0, 5}};
    struct Case {
        int width, height;
        WORD id;
    };
    for (const Case& test : {Case{32, 32, 3}, Case{16, 16, 1}, Case{20, 20, 1}, Case{44, 44, 4}, Case{64, 64, 4}}) {
        const ce::IconGroupEntry* chosen = ce::chooseIconImage(group, test.width, test.height);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->id, test.id) << test.width << " x " << test.height;
    }
    EXPECT_EQ(ce::chooseIconImage(ce::IconGroup{}, 32, 32), nullptr);
}

TEST_F(IconTest, FourBitImageWithMask) {
    ce::IconGroup app = ownGroup(IDI_APP);
    ASSERT_EQ(app.entries.size(), 2u);
    std::vector<BYTE> bytes = ownIconImageBytes(app.entries[0].id);
    std::string error;
    auto image = ce::decodeIconImage(bytes.data(), bytes.size(), &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    EXPECT_EQ(image->bitCount, 4);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            std::uint32_t colour = standardPalette[x / 8 + 4 * (y / 8)];
            std::uint32_t expected = (x < 4 && y < 4) ? colour : (0xFF000000u | colour);
            ASSERT_EQ(image->argb[y * 32 + x], expected) << "pixel " << x << ", " << y;
        }
}

TEST_F(IconTest, EveryColourDepthDecodes) {
    ce::IconGroup depths = ownGroup(IDI_DEPTHS);
    ASSERT_EQ(depths.entries.size(), 4u);
    for (const ce::IconGroupEntry& entry : depths.entries) {
        SCOPED_TRACE(std::to_string(entry.bitCount) + " bits");
        std::vector<BYTE> bytes = ownIconImageBytes(entry.id);
        std::string error;
        auto image = ce::decodeIconImage(bytes.data(), bytes.size(), &error);
        ASSERT_TRUE(image) << error;
        EXPECT_EQ(image->bitCount, entry.bitCount);
        ASSERT_EQ(image->width, 16);
        ASSERT_EQ(image->height, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                std::uint32_t colour = entry.bitCount == 1 ? ((x + y) % 2 ? 0xFFFFFF : 0) : depthsColour(x, y);
                std::uint32_t alpha = 0xFF;
                if (x == y) alpha = 0;
                else if (entry.bitCount == 32 && x == 15 && y == 0) alpha = 0x80;  // its own alpha
                ASSERT_EQ(image->argb[y * 16 + x], (alpha << 24) | colour) << "pixel " << x << ", " << y;
            }
    }
}

TEST_F(IconTest, DamagedImagesAndGroupsAreRefused) {
    std::vector<BYTE> valid = ownIconImageBytes(ownGroup(IDI_APP).entries[0].id);
    const BYTE png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"cut header", std::vector<BYTE>(valid.begin(), valid.begin() + 20), "icon image: the bitmap header is cut short"},
        {"cut palette", std::vector<BYTE>(valid.begin(), valid.begin() + 60), "icon image: the palette is cut short"},
        {"cut colours", std::vector<BYTE>(valid.begin(), valid.begin() + 200),
         "icon image: the colour bits run past the end of the image"},
        {"no mask", std::vector<BYTE>(valid.begin(), valid.end() - 10),
         "icon image: the AND mask runs past the end of the image"},
        {"zero width", tinyImage(0, 4, 4, 0), "icon image: the image size 0 x 4 is not that of an icon (twice its height, at most 256)"},
        {"odd height", tinyImage(2, 3, 4, 0), "icon image: the image size 2 x 3 is not that of an icon (twice its height, at most 256)"},
        {"too wide", tinyImage(300, 4, 4, 0), "icon image: the image size 300 x 4 is not that of an icon (twice its height, at most 256)"},
        {"compressed", tinyImage(2, 4, 4, 2), "icon image: compressed icon bitmaps are not supported"},
        {"odd depth", tinyImage(2, 4, 3, 0), "icon image: the colour depth 3 is not supported"},
        {"png", std::vector<BYTE>(png, png + sizeof png), "icon image: PNG-compressed icon images are not supported"},
    };
    for (const Case& test : cases) {
        std::string error;
        EXPECT_FALSE(ce::decodeIconImage(test.bytes.data(), test.bytes.size(), &error)) << test.what;
        EXPECT_EQ(error, test.message) << test.what;
    }
    for (std::size_t length = 0; length < valid.size(); ++length) {
        std::vector<BYTE> cut(valid.begin(), valid.begin() + length);
        EXPECT_FALSE(ce::decodeIconImage(cut.data(), cut.size(), nullptr)) << "length " << length;
    }

    ResourceBytes group = ownResource(RT_GROUP_ICON, MAKEINTRESOURCE(IDI_APP));
    std::string error;
    EXPECT_FALSE(ce::parseIconGroup(group.data, group.size - 1, &error));
    EXPECT_EQ(error, "icon group: entry 2 of 2 is cut short");
    std::vector<BYTE> cursorGroup(group.data, group.data + group.size);
    cursorGroup[2] = 2;
    EXPECT_FALSE(ce::parseIconGroup(cursorGroup.data(), cursorGroup.size(), &error));
    EXPECT_EQ(error, "icon group: the header does not describe an icon group");
}

TEST_F(IconTest, LoadIconSharesOneHandlePerIcon) {
    HMODULE program = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(program, MAKEINTRESOURCE(IDI_APP));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(program, u"#128"), icon);
    EXPECT_EQ(LoadIconW(program, MAKEINTRESOURCE(IDI_APP)), icon);
    const ce::IconImage* image = ce::iconImage(icon);
    ASSERT_NE(image, nullptr);
    // LoadIcon takes the 32 x 32 image of the group.
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->bitCount, 4);
    // A shared icon outlives DestroyIcon.
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(ce::iconImage(icon), image);
    EXPECT_EQ(LoadIconW(program, MAKEINTRESOURCE(IDI_APP)), icon);

    // With only 16 x 16 images, the deepest one is taken.
    const ce::IconImage* depths = ce::iconImage(LoadIconW(program, MAKEINTRESOURCE(IDI_DEPTHS)));
    ASSERT_NE(depths, nullptr);
    EXPECT_EQ(depths->width, 16);
    EXPECT_EQ(depths->bitCount, 32);
}

TEST_F(IconTest, LoadIconFailures) {
    HMODULE program = GetModuleHandleW(nullptr);
    struct Case {
        HMODULE module;
        LPCWSTR name;
        DWORD error;
    };
    const Case cases[] = {
        {program, MAKEINTRESOURCE(999), ERROR_RESOURCE_NAME_NOT_FOUND},
        {program, u"NOSUCHICON", ERROR_RESOURCE_NAME_NOT_FOUND},
        {nullptr, MAKEINTRESOURCE(999), ERROR_RESOURCE_NAME_NOT_FOUND},
        {reinterpret_cast<HMODULE>(std::uintptr_t{0x5150}), MAKEINTRESOURCE(IDI_APP), ERROR_INVALID_HANDLE},
    };
    for (const Case& test : cases) {
        SetLastError(0);
        EXPECT_EQ(LoadIconW(test.module, test.name), nullptr);
        EXPECT_EQ(GetLastError(), test.error);
    }
    SetLastError(0);
    EXPECT_FALSE(DestroyIcon(reinterpret_cast<HICON>(std::uintptr_t{0x77})));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
}

TEST_F(IconTest, PredefinedApplicationIcon) {
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, IDI_APPLICATION), icon);
    const ce::IconImage* image = ce::iconImage(icon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    EXPECT_EQ(image->argb[0] >> 24, 0u);               // transparent corner
    EXPECT_EQ(image->argb[16 * 32 + 16] >> 24, 0xFFu);  // opaque middle
}

TEST_F(IconTest, DrawIconPaintsOpaquePixelsAndLeavesTransparentOnes) {
    // Internal: a whole-screen DC straight from the graphics layer, so the
    // test does not depend on the window manager.
    HDC screenDc = ce::gdi::createDeviceContext(device, nullptr, POINT{0, 0}, std::nullopt);
    ASSERT_NE(screenDc, nullptr);
    HMODULE program = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(program, MAKEINTRESOURCE(IDI_APP));
    ASSERT_TRUE(DrawIcon(screenDc, 10, 20, icon));
    ce::Screen& screen = device.get<ce::Screen>();
    EXPECT_EQ(screen.pixel(10 + 1, 20 + 1), 0x000000u);  // transparent corner: the black screen shows
    EXPECT_EQ(screen.pixel(10 + 5, 20 + 1), standardPalette[0]);
    EXPECT_EQ(screen.pixel(10 + 9, 20 + 1), standardPalette[1]);
    EXPECT_EQ(screen.pixel(10 + 31, 20 + 31), standardPalette[15]);
    EXPECT_EQ(screen.pixel(10 + 1, 20 + 9), standardPalette[4]);
    EXPECT_EQ(screen.pixel(10 + 32, 20 + 9), 0x000000u);  // nothing beyond the icon

    // Half alpha blends with what is below.
    HICON depths = LoadIconW(program, MAKEINTRESOURCE(IDI_DEPTHS));
    ASSERT_TRUE(DrawIcon(screenDc, 100, 100, depths));
    std::uint32_t blended = screen.pixel(100 + 15, 100);
    std::uint32_t full = depthsColour(15, 0);
    EXPECT_NEAR(double((blended >> 16) & 0xFF), ((full >> 16) & 0xFF) / 2.0, 1.5);
    EXPECT_EQ(screen.pixel(100 + 3, 100 + 3), 0x000000u);  // alpha 0 on the diagonal
    EXPECT_EQ(screen.pixel(100 + 3, 100 + 4), depthsColour(3, 4));

    EXPECT_FALSE(DrawIcon(screenDc, 0, 0, reinterpret_cast<HICON>(std::uintptr_t{0x77})));
    ce::gdi::releaseDeviceContext(screenDc);
}

TEST_F(IconTest, DamagedIconResourcesAreReportedOnce) {
    // Internal: the module is a synthetic file the host loader could not
    // load, so the resource manager is asked by path.
    auto groupOf = [](std::vector<WORD> imageIds) {
        std::vector<BYTE> bytes;
        for (WORD word : {WORD{0}, WORD{1}, static_cast<WORD>(imageIds.size())}) appendValue<WORD>(bytes, word);
        for (WORD id : imageIds) {
            for (BYTE value : {32, 32, 16, 0}) bytes.push_back(value);
            appendValue<WORD>(bytes, 1);
            appendValue<WORD>(bytes, 4);
            appendValue<DWORD>(bytes, 744);
            appendValue<WORD>(bytes, id);
        }
        return bytes;
    };
    const std::vector<BYTE> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<BYTE> res = resEntry(0, 0, {});
    for (const auto& entry : {resEntry(14, 5, groupOf({9})), resEntry(14, 6, groupOf({2})), resEntry(3, 2, png),
                              resEntry(14, 7, groupOf({})), resEntry(14, 8, {0, 0, 1})})
        res.insert(res.end(), entry.begin(), entry.end());
    SyntheticElf file;
    file.contents.assign(res.begin(), res.end());
    file.resourceSize = res.size();
    std::string path = writeTemporaryFile("damaged_icons", file.build());

    struct Case {
        WORD group;
        std::string report;
    };
    const Case cases[] = {
        {5, path + ": icon #5 names image #9, which the file does not hold"},
        {6, path + ": icon image #2: icon image: PNG-compressed icon images are not supported"},
        {7, path + ": icon #7 has no images"},
        {8, path + ": icon #8: icon group: the header is cut short"},
    };
    auto& resources = device.get<ce::ResourceManager>();
    for (const Case& test : cases) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            auto load = resources.loadIcon(path, ce::ResourceName::fromOrdinal(test.group), 32, 32);
            EXPECT_EQ(load.icon, nullptr);
            EXPECT_EQ(load.error, DWORD{ERROR_RESOURCE_DATA_NOT_FOUND});
            EXPECT_EQ(load.report, attempt == 0 ? test.report : "") << "group " << test.group;
        }
    }
    auto missing = resources.loadIcon(path, ce::ResourceName::fromOrdinal(99), 32, 32);
    EXPECT_EQ(missing.error, DWORD{ERROR_RESOURCE_NAME_NOT_FOUND});
}
