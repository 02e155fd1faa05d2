#include "gdi/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace ce {

namespace {

void reportError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace

bool writePngFile(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height,
                  std::string* error) {
    if (width <= 0 || height <= 0 || pixels.size() != std::size_t(width) * std::size_t(height)) {
        reportError(error, "cannot write \"" + path + "\": the screen has no pixels");
        return false;
    }
    // Open the file ourselves so that the message can give the system's reason.
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        reportError(error, "cannot write \"" + path + "\": " + std::strerror(errno));
        return false;
    }
    std::vector<png_byte> rgb(pixels.size() * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        rgb[i * 3 + 0] = png_byte(pixels[i] >> 16);
        rgb[i * 3 + 1] = png_byte(pixels[i] >> 8);
        rgb[i * 3 + 2] = png_byte(pixels[i]);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_stdio(&image, file.get(), 0, rgb.data(), width * 3, nullptr)) {
        reportError(error, "cannot write \"" + path + "\": " + image.message);
        png_image_free(&image);
        return false;
    }
    if (std::fflush(file.get()) != 0) {
        reportError(error, "cannot write \"" + path + "\": " + std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace ce
