// The framebuffer: size, resizing, frames, copies and PNG output.
#include "gdi_test_support.h"

#include <png.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

using gdi_test::GdiTest;

// Reads a PNG back as 0x00RRGGBB pixels with libpng.
bool readPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
    width = int(image.width);
    height = int(image.height);
    pixels.resize(std::size_t(width) * std::size_t(height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (std::uint32_t(rgb[i * 3]) << 16) | (std::uint32_t(rgb[i * 3 + 1]) << 8) | rgb[i * 3 + 2];
    return true;
}

std::string temporaryPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".png")).string();
}

TEST_F(GdiTest, ScreenStartsBlackAtTheDeviceSize) {
    EXPECT_EQ(screen().width(), 240);
    EXPECT_EQ(screen().height(), 320);
    std::vector<std::uint32_t> pixels = screen().copyPixels();
    ASSERT_EQ(pixels.size(), 240u * 320u);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), 240 * 320);
    EXPECT_EQ(screen().pixel(-1, 0), 0u);
    EXPECT_EQ(screen().pixelColorRef(240, 0), CLR_INVALID);
}

TEST_F(GdiTest, ResizeClearsAndEveryDrawingFollowsTheNewSize) {
    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(255, 255, 255));
    screen().resize(480, 640);
    EXPECT_EQ(screen().width(), 480);
    EXPECT_EQ(screen().height(), 640);
    EXPECT_EQ(countPixels(RECT{0, 0, 480, 640}, 0), 480 * 640);
    EXPECT_EQ(GetDeviceCaps(screenDc, HORZRES), 480);
    EXPECT_EQ(GetDeviceCaps(screenDc, VERTRES), 640);
    // The whole-screen DC now reaches the larger screen.
    fillSolidRect(screenDc, RECT{0, 0, 1000, 1000}, RGB(0, 0, 255));
    EXPECT_EQ(countPixels(RECT{0, 0, 480, 640}, 0x0000FF), 480 * 640);

    screen().resize(100, 50);
    fillSolidRect(screenDc, RECT{0, 0, 1000, 1000}, RGB(255, 0, 0));
    EXPECT_EQ(screen().copyPixels(), std::vector<std::uint32_t>(100 * 50, 0xFF0000));
}

TEST_F(GdiTest, FrameListenerHearsOfEveryChange) {
    int frames = 0;
    std::uint64_t seenCount = 0;
    screen().setFrameListener([&] {
        ++frames;
        // The listener may read the screen: no lock is held.
        seenCount = screen().frameCount();
    });
    std::uint64_t before = screen().frameCount();
    fillSolidRect(screenDc, RECT{0, 0, 10, 10}, RGB(1, 2, 3));
    SetPixel(screenDc, 1, 1, RGB(4, 5, 6));
    screen().resize(200, 200);
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(seenCount, before + 3);
    // Reading is not a change.
    GetPixel(screenDc, 1, 1);
    EXPECT_EQ(frames, 3);
    screen().setFrameListener(nullptr);
    SetPixel(screenDc, 1, 1, RGB(4, 5, 6));
    EXPECT_EQ(frames, 3);
}

TEST_F(GdiTest, PngRoundTripKeepsEveryPixel) {
    fillSolidRect(screenDc, RECT{0, 0, 240, 320}, RGB(0x12, 0x34, 0x56));
    fillSolidRect(screenDc, RECT{10, 20, 30, 40}, RGB(255, 0, 0));
    SetPixel(screenDc, 239, 319, RGB(0, 255, 0));
    RECT textBox{50, 50, 200, 80};
    DrawTextW(screenDc, u"PNG", -1, &textBox, DT_LEFT);
    std::string path = temporaryPath("gdi-round-trip");
    std::string error;
    ASSERT_TRUE(screen().writePng(path, &error)) << error;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    ASSERT_TRUE(readPng(path, width, height, pixels));
    std::filesystem::remove(path);
    EXPECT_EQ(width, 240);
    EXPECT_EQ(height, 320);
    EXPECT_EQ(pixels, screen().copyPixels());
}

TEST_F(GdiTest, PngToAnUnwritablePlaceExplainsWhy) {
    std::string error;
    std::string path = "/nonexistent-directory/screen.png";
    EXPECT_FALSE(screen().writePng(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(screen().writePng(path, nullptr));
}

}  // namespace
