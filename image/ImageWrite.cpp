#include "image/ImageWrite.h"

#include "image/Image.h"
#include "io/AtomicFile.h"

namespace {

class FileBytes {
public:
    explicit FileBytes(ImageByteOrder byteOrder) : order(byteOrder) {}

    std::vector<unsigned char> bytes;

    void Put(size_t offset, unsigned long value, size_t width) {
        if (bytes.size() < offset + width) bytes.resize(offset + width, 0);
        for (size_t i = 0; i < width; ++i) {
            const size_t shift = order == ImageByteOrder::BigEndian ? 8 * (width - 1 - i) : 8 * i;
            bytes[offset + i] = static_cast<unsigned char>(value >> shift);
        }
    }

private:
    ImageByteOrder order;
};

}  // namespace

std::vector<unsigned char> ImageEncodeRow(const unsigned char* first, int count, int stride) {
    const auto at = [&](int i) { return first[static_cast<long>(i) * stride]; };
    std::vector<unsigned char> packets;
    int i = 0;
    while (i < count) {
        const int literalStart = i;
        while (i < count && !(i + 2 < count && at(i) == at(i + 1) && at(i) == at(i + 2))) ++i;
        for (int start = literalStart; start < i; start += kImageMaxPacket) {
            const int length = i - start < kImageMaxPacket ? i - start : kImageMaxPacket;
            packets.push_back(static_cast<unsigned char>(0x80 | length));
            for (int k = start; k < start + length; ++k) packets.push_back(at(k));
        }
        if (i < count) {
            int length = 1;
            while (i + length < count && length < kImageMaxPacket && at(i + length) == at(i))
                ++length;
            packets.push_back(static_cast<unsigned char>(length));
            packets.push_back(at(i));
            i += length;
        }
    }
    packets.push_back(0);
    return packets;
}

std::vector<unsigned char> ImageEncode(int sizeX, int sizeY, int sizeZ, const unsigned char* pixels,
                                       ImageStorage storage, ImageByteOrder order) {
    FileBytes file(order);
    const bool runLength = storage == ImageStorage::RunLength;
    file.Put(0, kImageMagic, 2);
    file.Put(2, (runLength ? 1u : 0u) << 8 | 1u, 2);  // storage mode, 1 byte per channel
    file.Put(4, sizeZ > 1 ? 3 : (sizeY > 1 ? 2 : 1), 2);
    file.Put(6, static_cast<unsigned long>(sizeX), 2);
    file.Put(8, static_cast<unsigned long>(sizeY), 2);
    file.Put(10, static_cast<unsigned long>(sizeZ), 2);
    file.Put(12, 0, 4);    // smallest channel value
    file.Put(16, 255, 4);  // largest channel value
    file.Put(kImageHeaderBytes - 1, 0, 1);

    const long rowStride = static_cast<long>(sizeX) * sizeZ;
    const auto row = [&](int y, int z) { return pixels + y * rowStride + z; };
    if (!runLength) {
        for (int z = 0; z < sizeZ; ++z) {
            for (int y = 0; y < sizeY; ++y) {
                for (int x = 0; x < sizeX; ++x) file.bytes.push_back(row(y, z)[x * sizeZ]);
            }
        }
        return std::move(file.bytes);
    }

    const size_t entries = static_cast<size_t>(sizeY) * static_cast<size_t>(sizeZ);
    const size_t startTable = kImageHeaderBytes;
    const size_t sizeTable = startTable + 4 * entries;
    file.Put(sizeTable + 4 * entries - 1, 0, 1);
    for (int z = 0; z < sizeZ; ++z) {
        for (int y = 0; y < sizeY; ++y) {
            const size_t index =
                static_cast<size_t>(y) + static_cast<size_t>(z) * static_cast<size_t>(sizeY);
            const std::vector<unsigned char> packets = ImageEncodeRow(row(y, z), sizeX, sizeZ);
            file.Put(startTable + 4 * index, file.bytes.size(), 4);
            file.Put(sizeTable + 4 * index, packets.size(), 4);
            file.bytes.insert(file.bytes.end(), packets.begin(), packets.end());
        }
    }
    return std::move(file.bytes);
}

bool ImageWrite(const char* path, int sizeX, int sizeY, int sizeZ, const unsigned char* pixels,
                ImageStorage storage, std::string* error) {
    const std::vector<unsigned char> bytes = ImageEncode(sizeX, sizeY, sizeZ, pixels, storage);
    return writeFileAtomically(path, bytes.data(), bytes.size(), error);
}
