#pragma once

// Reader for SGI images (".rgb" files) with 8-bit channels, stored verbatim or
// run-length encoded. It returns one interleaved pixel buffer whose rows are
// padded to 4 bytes, which is OpenGL's default unpack alignment.
//
// Two layers:
//   ImageOpen, ImageGetRow, ImageGetRawData, ImageLoad   end the process on any
//       failure: one line on standard error, then exit(-1). The app uses these.
//   ImageTryOpen, ImageTryGetRow, ImageTryGetRawData, ImageTryLoad   report the
//       same failures through an ImageError and return false instead.
//
// Rows come out in file order: row 0 of the result is the file's row 0, which
// by the format's convention is the bottom of the picture (no flip is made).

#include <cstdio>
#include <string>

// File layout.
constexpr long kImageHeaderBytes = 512;                // image data or run-length tables start here
constexpr unsigned short kImageMagic = 474;            // the first two bytes, big-endian as a rule
constexpr unsigned short kImageMagicSwapped = 0xDA01;  // kImageMagic read little-endian
static_assert(kImageMagicSwapped == ((kImageMagic & 0xFF) << 8 | kImageMagic >> 8));
constexpr int kImageMaxChannels = 4;
constexpr int kImageStorageRunLength = 1;  // high byte of `type`
constexpr int kImageMaxPacket = 127;       // pixels in one run-length packet: a 7-bit count

// Limits of this reader.
constexpr int kImageScratchRowsOfWidth = 256;  // a compressed row may take up to 256 x sizeX bytes
constexpr long long kImageMaxPixelBytes = 256LL * 1024 * 1024;  // largest padded pixel buffer

// An image being read: header fields, the open file and working buffers.
struct Image {
    unsigned short magic;  // first two file bytes, little-endian: kImageMagic or kImageMagicSwapped
    unsigned short type;   // storage mode in the high byte, bytes per channel in the low byte
    unsigned short dimension;  // as read; unused
    unsigned short sizeX;      // width in pixels
    unsigned short sizeY;      // height in rows
    unsigned short sizeZ;      // channels, 1 to 4
    FILE* file;                // opened for reading, owned; always a regular file
    // Slot 0: one compressed row (256 x sizeX bytes); slots 1 ... sizeZ: one
    // decoded row of each channel (sizeX bytes). All owned.
    unsigned char* rowBuffers[kImageMaxChannels + 1];
    unsigned int* rowStart;  // run-length start table, sizeY x sizeZ absolute offsets
    int* rowSize;            // run-length length table, same size; null for verbatim files
    char* path;              // copy of the opened path, for messages
    long long fileBytes;     // size of the file when opened
};

// A loaded image, owned by the caller, who releases it with ImageFree (or free
// on `data` and then on the record).
struct LoadedImage {
    unsigned short magic;
    unsigned short type;
    unsigned short dimension;
    unsigned short sizeX;
    unsigned short sizeY;
    unsigned short sizeZ;
    // sizeY rows in file order; each row sizeX pixels of sizeZ interleaved bytes
    // (R, G, B, A as the file orders its channels) and 0-3 zero padding bytes,
    // so that every row is a multiple of 4 bytes long.
    unsigned char* data;
};

// Every way a read can fail, with its message. "{}" stands for the numbers that
// follow in order; every message except the first two is prefixed "<path>: ".
#define BRIK_IMAGE_FAULTS(X)                                                                      \
    X(CannotOpen, "") /* reported by perror(path) */                                              \
    X(OutOfMemory, "Out of memory!")                                                              \
    X(NotAFile, "not a regular file")                                                             \
    X(NotAnImage, "not an SGI image (it does not start with the number 474)")                     \
    X(ShortHeader, "file is {} bytes, shorter than its 512-byte header")                          \
    X(ChannelCount, "{} channels; only 1 to 4 can be read")                                       \
    X(BytesPerChannel, "{} bytes per channel; only 1 can be read")                                \
    X(EmptyImage, "image is {} x {} pixels; both must be at least 1")                             \
    X(ImageTooLarge,                                                                              \
      "image of {} x {} pixels and {} channels needs {} bytes, over the limit of {}")             \
    X(VerbatimTruncated, "verbatim data needs {} bytes but the file has {}")                      \
    X(TablesOutsideFile, "run-length tables end at byte {}, past the end of the {}-byte file")    \
    X(RowLengthNegative, "run-length row {} of channel {} has negative length {}")                \
    X(RowTooShort, "run-length row {} of channel {} is {} bytes, too few to decode to {} pixels") \
    X(RowTooLong,                                                                                 \
      "run-length row {} of channel {} is {} bytes, longer than the {}-byte row buffer")          \
    X(RowOutsideFile,                                                                             \
      "run-length row {} of channel {} ends at byte {}, past the end of the {}-byte file")        \
    X(RowOverrun, "run-length row {} of channel {} decodes to more than {} bytes")                \
    X(RowNoEndPacket, "run-length row {} of channel {} has no end packet")                        \
    X(RowShort, "run-length row {} of channel {} decodes to {} of {} bytes")                      \
    X(RowOutOfRange, "row {} of channel {} is outside the {} x {} x {} image")                    \
    X(ShortRead, "read of {} bytes at byte {} came up short")

enum class ImageFault {
    None,
#define BRIK_IMAGE_FAULT_ID(id, text) id,
    BRIK_IMAGE_FAULTS(BRIK_IMAGE_FAULT_ID)
#undef BRIK_IMAGE_FAULT_ID
};

// The message template of a fault, "{}" marking each number.
const char* ImageFaultText(ImageFault fault);

// The one-line message (no newline) that reports `fault` for `path`, with the
// template's numbers filled in from `values`.
std::string ImageFaultMessage(ImageFault fault, const char* path, const long long* values,
                              int count);

template <typename... Values>
std::string ImageFaultMessage(ImageFault fault, const char* path, Values... values) {
    const long long numbers[] = {0, static_cast<long long>(values)...};
    return ImageFaultMessage(fault, path, numbers + 1, static_cast<int>(sizeof...(values)));
}

struct ImageError {
    ImageFault fault = ImageFault::None;
    int systemError = 0;  // errno of a failed open
    std::string path;     // the path of a failed open, for perror
    std::string message;  // one line, no newline
};

// Prints the error as the exiting API does and ends the process with exit(-1).
[[noreturn]] void ImageFail(const ImageError& error);

// Bytes in one padded row of the loaded pixel buffer: 4 x ceil(sizeX x sizeZ / 4).
long long ImagePaddedRowBytes(int sizeX, int sizeZ);

// Exiting API: never returns null.
Image* ImageOpen(const char* path);
void ImageClose(Image* image);
void ImageGetRow(Image* image, unsigned char* buffer, int y, int z);  // buffer holds sizeX bytes
void ImageGetRawData(Image* image, char* data);  // data holds sizeY x ImagePaddedRowBytes bytes
LoadedImage* ImageLoad(const char* path);
void ImageFree(LoadedImage* image);

// Non-exiting core. On failure they fill `error`, leave the out-pointers null
// and release whatever they allocated. ImageClose accepts a null image.
bool ImageTryOpen(const char* path, Image** out, ImageError* error);
bool ImageTryGetRow(Image* image, unsigned char* buffer, int y, int z, ImageError* error);
bool ImageTryGetRawData(Image* image, char* data, ImageError* error);
bool ImageTryLoad(const char* path, LoadedImage** out, ImageError* error);
