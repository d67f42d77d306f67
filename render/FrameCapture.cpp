#include <epoxy/gl.h>

#include "render/FrameCapture.h"

#include "io/AtomicFile.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

bool tryReadBackBuffer(int width, int height, RgbImage* image, std::string* error) {
    std::vector<unsigned char> bottomUp;
    try {
        image->pixels.resize(size_t(width) * size_t(height) * 3);
        bottomUp.resize(image->pixels.size());
    } catch (const std::bad_alloc&) {
        std::vector<unsigned char>().swap(image->pixels);
        *error = "cannot read back the " + std::to_string(width) + "x" + std::to_string(height) +
                 " frame: out of memory";
        return false;
    }
    image->width = width;
    image->height = height;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    const size_t rowBytes = size_t(width) * 3;
    for (int y = 0; y < height; ++y) {
        std::memcpy(&image->pixels[size_t(y) * rowBytes],
                    &bottomUp[size_t(height - 1 - y) * rowBytes], rowBytes);
    }
    return true;
}

RgbImage readBackBuffer(int width, int height) {
    RgbImage image;
    std::string error;
    if (!tryReadBackBuffer(width, height, &image, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(-1);
    }
    return image;
}

namespace {

// Where libpng's failures go: the first one becomes the message, and the error callback jumps
// back to writePng instead of printing.
struct PngSink {
    FILE* stream;
    int systemError = 0;  // errno of a failed write
    std::string message;  // libpng's own reason when no write failed
};

void writePngBytes(png_structp png, png_bytep bytes, size_t size) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    if (std::fwrite(bytes, 1, size, sink->stream) != size) {
        sink->systemError = errno != 0 ? errno : EIO;
        png_error(png, "write failed");
    }
}

void flushPng(png_structp) {}  // AtomicFile::commit flushes

[[noreturn]] void onPngError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
    if (sink->message.empty()) sink->message = message;
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}  // nothing a user could act on

}  // namespace

namespace {
// Writes the image's PNG bytes through `sink`; false with the reason in `reason`.
bool writePngTo(PngSink* sink, const RgbImage& image, std::string* reason) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, sink, onPngError, onPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        *reason = std::strerror(ENOMEM);
        return false;
    }
    // Every local read after the jump was set before setjmp.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        *reason = sink->systemError != 0 ? std::strerror(sink->systemError) : sink->message;
        return false;
    }
    png_set_write_fn(png, sink, writePngBytes, flushPng);
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, &image.pixels[size_t(y) * size_t(image.width) * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
}  // namespace

bool writePng(const std::string& path, const RgbImage& image, std::string* error) {
    AtomicFile file;
    if (!file.open(path, error)) return false;
    PngSink sink{file.stream(), 0, {}};
    std::string reason;
    if (!writePngTo(&sink, image, &reason)) {
        *error = path + ": " + reason;
        return false;
    }
    return file.commit(error);
}

bool encodePng(const RgbImage& image, std::vector<unsigned char>* bytes, std::string* error) {
    char* buffer = nullptr;
    size_t size = 0;
    FILE* memory = open_memstream(&buffer, &size);
    if (!memory) {
        *error = std::string("PNG: ") + std::strerror(errno);
        return false;
    }
    PngSink sink{memory, 0, {}};
    const bool encoded = writePngTo(&sink, image, error);
    std::fclose(memory);
    if (encoded) bytes->assign(buffer, buffer + size);
    std::free(buffer);
    return encoded;
}
