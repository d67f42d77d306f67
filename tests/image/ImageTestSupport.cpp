#include "ImageTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace image_test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brik-image-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed for " + pattern);
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

Picture PatternPicture(int width, int height, int channels, int seed) {
    Picture picture{width, height, channels, std::vector<unsigned char>(width * height * channels)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inRun = x >= width / 4 && x < 3 * width / 4;
            for (int c = 0; c < channels; ++c) {
                const int value =
                    inRun ? 200 + 7 * y + 3 * c + seed : 13 + 37 * x + 101 * y + 59 * c + 31 * seed;
                picture.pixels[(y * width + x) * channels + c] = static_cast<unsigned char>(value);
            }
        }
    }
    return picture;
}

Picture Flipped(const Picture& picture) {
    Picture flipped = picture;
    const size_t row = static_cast<size_t>(picture.width) * picture.channels;
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(picture.pixels.begin() + (picture.height - 1 - y) * row, row,
                    flipped.pixels.begin() + y * row);
    }
    return flipped;
}

void WriteNetpbm(const std::string& path, const Picture& picture) {
    std::ofstream out(path, std::ios::binary);
    const int w = picture.width, h = picture.height;
    switch (picture.channels) {
        case 1: out << "P5\n" << w << ' ' << h << "\n255\n"; break;
        case 3: out << "P6\n" << w << ' ' << h << "\n255\n"; break;
        case 2:
        case 4:
            out << "P7\nWIDTH " << w << "\nHEIGHT " << h << "\nDEPTH " << picture.channels
                << "\nMAXVAL 255\nTUPLTYPE "
                << (picture.channels == 2 ? "GRAYSCALE_ALPHA" : "RGB_ALPHA") << "\nENDHDR\n";
            break;
        default: throw std::invalid_argument("no netpbm format for this channel count");
    }
    out.write(reinterpret_cast<const char*>(picture.pixels.data()),
              static_cast<std::streamsize>(picture.pixels.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

namespace {

// The next header token, skipping whitespace and comments.
std::string Token(std::istream& in) {
    std::string token;
    for (int c = in.get(); c != EOF; c = in.get()) {
        if (c == '#') {
            std::string comment;
            std::getline(in, comment);
        } else if (std::isspace(c)) {
            if (!token.empty()) break;
        } else {
            token += static_cast<char>(c);
        }
    }
    return token;
}

}  // namespace

Picture ReadNetpbm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string magic = Token(in);
    if (magic != "P5" && magic != "P6")
        throw std::runtime_error(path + ": not an 8-bit PGM or PPM");
    Picture picture;
    picture.channels = magic == "P5" ? 1 : 3;
    picture.width = std::stoi(Token(in));
    picture.height = std::stoi(Token(in));
    if (std::stoi(Token(in)) != 255) throw std::runtime_error(path + ": maxval is not 255");
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * picture.channels);
    in.read(reinterpret_cast<char*>(picture.pixels.data()),
            static_cast<std::streamsize>(picture.pixels.size()));
    if (!in) throw std::runtime_error(path + ": pixel data cut short");
    return picture;
}

::testing::AssertionResult HaveTool(const std::string& tool, const std::string& package) {
    if (std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << tool << " is not installed: install the " << package << " package";
}

::testing::AssertionResult RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    if (status == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "`" << command << "` failed with status " << status;
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void Put32BigEndian(std::vector<unsigned char>& bytes, size_t offset, unsigned int value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<unsigned char>(value >> (24 - 8 * i));
}

std::vector<unsigned char> ToLittleEndian(const std::vector<unsigned char>& bigEndian) {
    std::vector<unsigned char> bytes = bigEndian;
    for (size_t offset = 0; offset < 12; offset += 2)
        std::swap(bytes.at(offset), bytes.at(offset + 1));
    std::reverse(bytes.begin() + 12, bytes.begin() + 16);  // smallest and largest channel value
    std::reverse(bytes.begin() + 16, bytes.begin() + 20);
    if (bigEndian.at(2) == 1) {  // run-length: both tables follow the header
        const size_t sizeY = bigEndian[8] << 8 | bigEndian[9];
        const size_t sizeZ = bigEndian[10] << 8 | bigEndian[11];
        const size_t tablesEnd = 512 + 2 * 4 * sizeY * sizeZ;
        for (size_t offset = 512; offset < tablesEnd; offset += 4)
            std::reverse(bytes.begin() + offset, bytes.begin() + offset + 4);
    }
    return bytes;
}

::testing::AssertionResult Load(const std::string& path, LoadedImagePtr* image) {
    LoadedImage* loaded = nullptr;
    ImageError error;
    const bool read = ImageTryLoad(path.c_str(), &loaded, &error);
    image->reset(loaded);
    if (read) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << error.message;
}

::testing::AssertionResult SamePixels(const LoadedImage& image, const Picture& fileOrder) {
    if (image.sizeX != fileOrder.width || image.sizeY != fileOrder.height ||
        image.sizeZ != fileOrder.channels) {
        return ::testing::AssertionFailure()
               << "loaded " << image.sizeX << " x " << image.sizeY << " x " << image.sizeZ
               << ", expected " << fileOrder.width << " x " << fileOrder.height << " x "
               << fileOrder.channels;
    }
    const long long rowBytes = ImagePaddedRowBytes(image.sizeX, image.sizeZ);
    for (int y = 0; y < fileOrder.height; ++y) {
        const unsigned char* row = image.data + y * rowBytes;
        for (int x = 0; x < fileOrder.width; ++x) {
            for (int c = 0; c < fileOrder.channels; ++c) {
                const int got = row[x * fileOrder.channels + c];
                const int expected = fileOrder.At(x, y, c);
                if (got != expected) {
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") channel " << c << " is " << got
                           << ", expected " << expected;
                }
            }
        }
        for (long long pad = static_cast<long long>(fileOrder.width) * fileOrder.channels;
             pad < rowBytes; ++pad) {
            if (row[pad] != 0)
                return ::testing::AssertionFailure()
                       << "padding byte " << pad << " of row " << y << " is not 0";
        }
    }
    return ::testing::AssertionSuccess();
}

std::string WholeLine(const std::string& message) {
    std::string pattern = "^";
    for (char c : message) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) pattern += '\\';
        pattern += c;
    }
    return pattern + "\n$";
}

}  // namespace image_test
