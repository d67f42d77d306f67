#pragma once

// Shared fixtures of the SGI reader tests: temporary folders, pictures with
// known pixels, the netpbm and ImageMagick command-line tools, file bytes.

#include "image/Image.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace image_test {

// A folder under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

// Pixels in reading order: row 0 is the top of the picture, each row `width`
// pixels of `channels` interleaved bytes.
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<unsigned char> pixels;
    unsigned char At(int x, int y, int c) const { return pixels[(y * width + x) * channels + c]; }
};

// Every pixel different from its neighbours, with a run of equal pixels in
// each row so run-length encoders produce both kinds of packets.
Picture PatternPicture(int width, int height, int channels, int seed = 0);

// The same pixels with the rows in the opposite order.
Picture Flipped(const Picture& picture);

// PGM for 1 channel, PPM for 3, PAM for 2 and 4 (with alpha).
void WriteNetpbm(const std::string& path, const Picture& picture);
Picture ReadNetpbm(const std::string& path);  // PGM or PPM, 8-bit

// Passes when `tool` is on the PATH; otherwise fails naming the package.
::testing::AssertionResult HaveTool(const std::string& tool, const std::string& package);
// Runs a shell command; fails with the command and its exit status.
::testing::AssertionResult RunCommand(const std::string& command);

std::vector<unsigned char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void Put32BigEndian(std::vector<unsigned char>& bytes, size_t offset, unsigned int value);

// A big-endian SGI file with its 16-bit header fields, channel value range and
// 32-bit table entries stored little-endian instead.
std::vector<unsigned char> ToLittleEndian(const std::vector<unsigned char>& bigEndian);

struct LoadedImageDeleter {
    void operator()(LoadedImage* image) const { ImageFree(image); }
};
using LoadedImagePtr = std::unique_ptr<LoadedImage, LoadedImageDeleter>;

// Loads with the non-exiting reader; a failure carries the reader's message.
::testing::AssertionResult Load(const std::string& path, LoadedImagePtr* image);

// Compares a loaded image with a picture whose rows are in file order: sizes,
// every pixel byte, and zero padding up to each 4-byte row boundary.
::testing::AssertionResult SamePixels(const LoadedImage& image, const Picture& fileOrder);

// A death-test pattern matching exactly the one line that reports `fault`.
template <typename... Values>
std::string FaultLine(ImageFault fault, const std::string& path, Values... values);
std::string WholeLine(const std::string& message);

template <typename... Values>
std::string FaultLine(ImageFault fault, const std::string& path, Values... values) {
    return WholeLine(ImageFaultMessage(fault, path.c_str(), values...));
}

}  // namespace image_test
