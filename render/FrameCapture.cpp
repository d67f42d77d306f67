#include <epoxy/gl.h>

#include "render/FrameCapture.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

RgbImage readBackBuffer(int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * height * 3);
    std::vector<unsigned char> bottomUp(image.pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    const size_t rowBytes = size_t(width) * 3;
    for (int y = 0; y < height; ++y) {
        std::memcpy(&image.pixels[y * rowBytes], &bottomUp[(height - 1 - y) * rowBytes], rowBytes);
    }
    return image;
}

bool writePng(const std::string& path, const RgbImage& image, std::string* error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        *error = path + ": could not write the PNG data";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, &image.pixels[size_t(y) * image.width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
