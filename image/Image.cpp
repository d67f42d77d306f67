#include "image/Image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// clang-format off
constexpr const char* kFaultTexts[] = {
    "",
#define BRIK_IMAGE_FAULT_TEXT(id, text) text,
    BRIK_IMAGE_FAULTS(BRIK_IMAGE_FAULT_TEXT)
#undef BRIK_IMAGE_FAULT_TEXT
};
// clang-format on

template <typename... Values>
bool Fail(ImageError* error, ImageFault fault, const char* path, Values... values) {
    error->fault = fault;
    error->systemError = 0;
    error->message = ImageFaultMessage(fault, path, values...);
    return false;
}

unsigned short Swap16(unsigned short value) {
    return static_cast<unsigned short>((value >> 8) | (value << 8));
}

std::uint32_t Swap32(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

unsigned short LittleEndian16(const unsigned char* bytes) {
    return static_cast<unsigned short>(bytes[0] | (bytes[1] << 8));
}

bool IsRunLength(const Image* image) { return (image->type >> 8) == kImageStorageRunLength; }

long long ScratchBytes(const Image* image) {
    return static_cast<long long>(kImageScratchRowsOfWidth) * image->sizeX;
}

// The fewest bytes a run-length row of the image's width can take: one two-byte repeat packet
// per 127 pixels and the end packet. A shorter row can never decode, so it is refused with the
// tables, before the pixel buffer is allocated.
long long MinimumRowBytes(const Image* image) {
    return 2LL * ((image->sizeX + kImageMaxPacket - 1) / kImageMaxPacket) + 1;
}

bool ReadAt(Image* image, long long offset, void* buffer, long long bytes, ImageError* error) {
    if (std::fseek(image->file, static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fread(buffer, 1, static_cast<size_t>(bytes), image->file) !=
            static_cast<size_t>(bytes)) {
        return Fail(error, ImageFault::ShortRead, image->path, bytes, offset);
    }
    return true;
}

void* Allocate(long long bytes) { return std::malloc(static_cast<size_t>(bytes > 0 ? bytes : 1)); }

bool OutOfMemory(ImageError* error) { return Fail(error, ImageFault::OutOfMemory, ""); }

// Checks the header fields against what this reader can hold.
bool CheckHeader(const Image* image, ImageError* error) {
    const char* path = image->path;
    if (image->sizeZ < 1 || image->sizeZ > kImageMaxChannels)
        return Fail(error, ImageFault::ChannelCount, path, image->sizeZ);
    const int bytesPerChannel = image->type & 0xFF;
    if (bytesPerChannel > 1) return Fail(error, ImageFault::BytesPerChannel, path, bytesPerChannel);
    if (image->sizeX == 0 || image->sizeY == 0)
        return Fail(error, ImageFault::EmptyImage, path, image->sizeX, image->sizeY);
    const long long pixelBytes = ImagePaddedRowBytes(image->sizeX, image->sizeZ) * image->sizeY;
    if (pixelBytes > kImageMaxPixelBytes)
        return Fail(error, ImageFault::ImageTooLarge, path, image->sizeX, image->sizeY,
                    image->sizeZ, pixelBytes, kImageMaxPixelBytes);
    return true;
}

// Reads both run-length tables and checks that every row they name lies in
// the file and fits the scratch buffer.
bool ReadRunLengthTables(Image* image, ImageError* error) {
    const long long entries = static_cast<long long>(image->sizeY) * image->sizeZ;
    const long long tableBytes = entries * 4;
    const long long tablesEnd = kImageHeaderBytes + 2 * tableBytes;
    if (tablesEnd > image->fileBytes)
        return Fail(error, ImageFault::TablesOutsideFile, image->path, tablesEnd, image->fileBytes);

    image->rowStart = static_cast<unsigned int*>(Allocate(tableBytes));
    image->rowSize = static_cast<int*>(Allocate(tableBytes));
    if (image->rowStart == nullptr || image->rowSize == nullptr) return OutOfMemory(error);
    if (!ReadAt(image, kImageHeaderBytes, image->rowStart, tableBytes, error) ||
        !ReadAt(image, kImageHeaderBytes + tableBytes, image->rowSize, tableBytes, error))
        return false;

    for (long long i = 0; i < entries; ++i) {
        std::uint32_t size;
        std::memcpy(&size, &image->rowSize[i], sizeof size);
        if (image->magic == kImageMagicSwapped) {
            image->rowStart[i] = Swap32(image->rowStart[i]);
            size = Swap32(size);
        }
        const int length = static_cast<int>(size);
        image->rowSize[i] = length;

        const long long y = i % image->sizeY;
        const long long z = i / image->sizeY;
        if (length < 0)
            return Fail(error, ImageFault::RowLengthNegative, image->path, y, z, length);
        if (length < MinimumRowBytes(image))
            return Fail(error, ImageFault::RowTooShort, image->path, y, z, length, image->sizeX);
        if (length > ScratchBytes(image))
            return Fail(error, ImageFault::RowTooLong, image->path, y, z, length,
                        ScratchBytes(image));
        const long long rowEnd = static_cast<long long>(image->rowStart[i]) + length;
        if (rowEnd > image->fileBytes)
            return Fail(error, ImageFault::RowOutsideFile, image->path, y, z, rowEnd,
                        image->fileBytes);
    }
    return true;
}

// Expands the packets of one compressed row into exactly `width` bytes.
bool DecodeRow(const Image* image, const unsigned char* packed, long long packedBytes,
               unsigned char* row, int width, int y, int z, ImageError* error) {
    long long in = 0;
    int out = 0;
    for (;;) {
        if (in >= packedBytes) return Fail(error, ImageFault::RowNoEndPacket, image->path, y, z);
        const unsigned char control = packed[in++];
        const int count = control & 0x7F;
        if (count == 0) break;
        if (count > width - out)
            return Fail(error, ImageFault::RowOverrun, image->path, y, z, width);
        if (control & 0x80) {
            // A literal packet cut off by the row's end never reaches an end packet.
            if (count > packedBytes - in)
                return Fail(error, ImageFault::RowNoEndPacket, image->path, y, z);
            std::memcpy(row + out, packed + in, static_cast<size_t>(count));
            in += count;
        } else {
            if (in >= packedBytes)
                return Fail(error, ImageFault::RowNoEndPacket, image->path, y, z);
            std::memset(row + out, packed[in++], static_cast<size_t>(count));
        }
        out += count;
    }
    if (out != width) return Fail(error, ImageFault::RowShort, image->path, y, z, out, width);
    return true;
}

}  // namespace

const char* ImageFaultText(ImageFault fault) {
    const auto index = static_cast<size_t>(fault);
    return index < sizeof kFaultTexts / sizeof kFaultTexts[0] ? kFaultTexts[index] : "";
}

std::string ImageFaultMessage(ImageFault fault, const char* path, const long long* values,
                              int count) {
    std::string message;
    if (fault != ImageFault::OutOfMemory) {
        message += path;
        message += ": ";
    }
    int next = 0;
    for (const char* text = ImageFaultText(fault); *text != '\0'; ++text) {
        if (text[0] == '{' && text[1] == '}') {
            message += next < count ? std::to_string(values[next]) : std::string("?");
            ++next;
            ++text;
        } else {
            message += *text;
        }
    }
    return message;
}

void ImageFail(const ImageError& error) {
    if (error.fault == ImageFault::CannotOpen) {
        errno = error.systemError;
        std::perror(error.path.c_str());
    } else {
        std::fprintf(stderr, "%s\n", error.message.c_str());
    }
    std::exit(-1);
}

long long ImagePaddedRowBytes(int sizeX, int sizeZ) {
    return 4 * ((static_cast<long long>(sizeX) * sizeZ + 3) / 4);
}

bool ImageTryOpen(const char* path, Image** out, ImageError* error) {
    *out = nullptr;
    auto* image = static_cast<Image*>(std::calloc(1, sizeof(Image)));
    if (image == nullptr) return OutOfMemory(error);
    image->path = static_cast<char*>(std::malloc(std::strlen(path) + 1));
    if (image->path == nullptr) {
        ImageClose(image);
        return OutOfMemory(error);
    }
    std::strcpy(image->path, path);

    const auto failed = [&]() {
        ImageClose(image);
        return false;
    };

    // Opening a FIFO waits for a writer, so anything but a regular file is refused before the
    // open; the non-blocking open and the check of the open descriptor cover a path that is
    // replaced in between. (O_NONBLOCK changes nothing for a regular file's reads.)
    struct stat status;
    if (::stat(path, &status) == 0 && !S_ISREG(status.st_mode)) {
        Fail(error, ImageFault::NotAFile, path);
        return failed();
    }
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor >= 0) image->file = ::fdopen(descriptor, "rb");
    if (image->file == nullptr) {
        error->fault = ImageFault::CannotOpen;
        error->systemError = errno;
        error->path = path;
        error->message = std::string(path) + ": " + std::strerror(error->systemError);
        if (descriptor >= 0) ::close(descriptor);
        return failed();
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        Fail(error, ImageFault::NotAFile, path);
        return failed();
    }
    image->fileBytes = status.st_size;

    unsigned char header[12];
    const long long headerBytes = std::min<long long>(image->fileBytes, sizeof header);
    if (!ReadAt(image, 0, header, headerBytes, error)) return failed();
    image->magic = headerBytes >= 2 ? LittleEndian16(header) : 0;
    if (headerBytes >= 2 && image->magic != kImageMagic && image->magic != kImageMagicSwapped) {
        Fail(error, ImageFault::NotAnImage, path);
        return failed();
    }
    if (image->fileBytes < kImageHeaderBytes) {
        Fail(error, ImageFault::ShortHeader, path, image->fileBytes);
        return failed();
    }
    unsigned short* fields[] = {&image->type, &image->dimension, &image->sizeX, &image->sizeY,
                                &image->sizeZ};
    for (int i = 0; i < 5; ++i) {
        *fields[i] = LittleEndian16(header + 2 + 2 * i);
        if (image->magic == kImageMagicSwapped) *fields[i] = Swap16(*fields[i]);
    }
    if (!CheckHeader(image, error)) return failed();

    image->rowBuffers[0] = static_cast<unsigned char*>(Allocate(ScratchBytes(image)));
    if (image->rowBuffers[0] == nullptr) {
        OutOfMemory(error);
        return failed();
    }
    for (int z = 1; z <= image->sizeZ; ++z) {
        image->rowBuffers[z] = static_cast<unsigned char*>(Allocate(image->sizeX));
        if (image->rowBuffers[z] == nullptr) {
            OutOfMemory(error);
            return failed();
        }
    }

    if (IsRunLength(image)) {
        if (!ReadRunLengthTables(image, error)) return failed();
    } else {
        const long long dataEnd =
            kImageHeaderBytes + static_cast<long long>(image->sizeX) * image->sizeY * image->sizeZ;
        if (dataEnd > image->fileBytes) {
            Fail(error, ImageFault::VerbatimTruncated, path, dataEnd, image->fileBytes);
            return failed();
        }
    }
    *out = image;
    return true;
}

void ImageClose(Image* image) {
    if (image == nullptr) return;
    if (image->file != nullptr) std::fclose(image->file);
    for (unsigned char* buffer : image->rowBuffers) std::free(buffer);
    std::free(image->rowStart);
    std::free(image->rowSize);
    std::free(image->path);
    std::free(image);
}

bool ImageTryGetRow(Image* image, unsigned char* buffer, int y, int z, ImageError* error) {
    if (y < 0 || y >= image->sizeY || z < 0 || z >= image->sizeZ)
        return Fail(error, ImageFault::RowOutOfRange, image->path, y, z, image->sizeX, image->sizeY,
                    image->sizeZ);
    const long long index = y + static_cast<long long>(z) * image->sizeY;
    if (!IsRunLength(image))
        return ReadAt(image, kImageHeaderBytes + index * image->sizeX, buffer, image->sizeX, error);

    const long long packedBytes = image->rowSize[index];
    return ReadAt(image, image->rowStart[index], image->rowBuffers[0], packedBytes, error) &&
           DecodeRow(image, image->rowBuffers[0], packedBytes, buffer, image->sizeX, y, z, error);
}

bool ImageTryGetRawData(Image* image, char* data, ImageError* error) {
    const int width = image->sizeX;
    const int channels = image->sizeZ;
    const long long rowBytes = ImagePaddedRowBytes(width, channels);
    for (int y = 0; y < image->sizeY; ++y) {
        for (int z = 0; z < channels; ++z) {
            if (!ImageTryGetRow(image, image->rowBuffers[z + 1], y, z, error)) return false;
        }
        char* pixel = data + y * rowBytes;
        for (int x = 0; x < width; ++x) {
            for (int z = 0; z < channels; ++z)
                *pixel++ = static_cast<char>(image->rowBuffers[z + 1][x]);
        }
    }
    return true;
}

bool ImageTryLoad(const char* path, LoadedImage** out, ImageError* error) {
    *out = nullptr;
    Image* image = nullptr;
    if (!ImageTryOpen(path, &image, error)) return false;

    auto* loaded = static_cast<LoadedImage*>(std::calloc(1, sizeof(LoadedImage)));
    const long long dataBytes = ImagePaddedRowBytes(image->sizeX, image->sizeZ) * image->sizeY;
    unsigned char* data =
        static_cast<unsigned char*>(std::calloc(static_cast<size_t>(dataBytes), 1));
    if (loaded == nullptr || data == nullptr) {
        std::free(loaded);
        std::free(data);
        ImageClose(image);
        return OutOfMemory(error);
    }
    loaded->magic = image->magic;
    loaded->type = image->type;
    loaded->dimension = image->dimension;
    loaded->sizeX = image->sizeX;
    loaded->sizeY = image->sizeY;
    loaded->sizeZ = image->sizeZ;
    loaded->data = data;

    const bool read = ImageTryGetRawData(image, reinterpret_cast<char*>(data), error);
    ImageClose(image);
    if (!read) {
        ImageFree(loaded);
        return false;
    }
    *out = loaded;
    return true;
}

Image* ImageOpen(const char* path) {
    Image* image = nullptr;
    ImageError error;
    if (!ImageTryOpen(path, &image, &error)) ImageFail(error);
    return image;
}

void ImageGetRow(Image* image, unsigned char* buffer, int y, int z) {
    ImageError error;
    if (!ImageTryGetRow(image, buffer, y, z, &error)) ImageFail(error);
}

void ImageGetRawData(Image* image, char* data) {
    ImageError error;
    if (!ImageTryGetRawData(image, data, &error)) ImageFail(error);
}

LoadedImage* ImageLoad(const char* path) {
    LoadedImage* loaded = nullptr;
    ImageError error;
    if (!ImageTryLoad(path, &loaded, &error)) ImageFail(error);
    return loaded;
}

void ImageFree(LoadedImage* image) {
    if (image == nullptr) return;
    std::free(image->data);
    std::free(image);
}
