#pragma once

// Writer for SGI images with 8-bit channels: the floor generator's output and
// the tests' fixtures.

#include <string>
#include <vector>

enum class ImageStorage { Verbatim, RunLength };
enum class ImageByteOrder { BigEndian, LittleEndian };  // big-endian is the standard one

// The run-length packets of one channel row: `count` bytes taken `stride` apart
// from `first`, ended by the zero-count packet. Runs of 3 or more equal bytes
// become repeat packets, the rest literal packets, each at most 127 bytes.
std::vector<unsigned char> ImageEncodeRow(const unsigned char* first, int count, int stride);

// A whole file. `pixels` holds sizeY rows in file order (row 0 is the bottom
// of the picture), each sizeX pixels of sizeZ interleaved bytes, unpadded.
// sizeX and sizeY must be 1-65535 and sizeZ 1-4.
std::vector<unsigned char> ImageEncode(int sizeX, int sizeY, int sizeZ, const unsigned char* pixels,
                                       ImageStorage storage,
                                       ImageByteOrder order = ImageByteOrder::BigEndian);

// Writes ImageEncode's bytes to `path` through an AtomicFile: on failure the old
// file is kept and `error` holds one line naming the file and the system's reason.
bool ImageWrite(const char* path, int sizeX, int sizeY, int sizeZ, const unsigned char* pixels,
                ImageStorage storage, std::string* error);
