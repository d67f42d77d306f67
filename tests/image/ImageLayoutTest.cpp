// Layout of the loaded pixel buffer, both byte orders, run-length packets, and
// the writer the floor generator uses.

#include "ImageTestSupport.h"
#include "image/ImageWrite.h"

#include <filesystem>

namespace image_test {
namespace {

// A file assembled byte by byte: a big-endian header and whatever follows it.
std::vector<unsigned char> HandMadeFile(int storage, int sizeX, int sizeY, int sizeZ) {
    std::vector<unsigned char> bytes(512, 0);
    const int fields[] = {474, storage << 8 | 1, 3, sizeX, sizeY, sizeZ};
    for (int i = 0; i < 6; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(fields[i] >> 8);
        bytes[2 * i + 1] = static_cast<unsigned char>(fields[i]);
    }
    return bytes;
}

TEST(PixelLayout, RowsArePaddedToFourBytes) {
    struct Case {
        int width, channels;
        long long dataBytes, padding;
    };
    const Case cases[] = {{5, 3, 15, 1}, {5, 1, 5, 3},  {3, 2, 6, 2}, {5, 4, 20, 0},
                          {7, 4, 28, 0}, {4, 3, 12, 0}, {1, 1, 1, 3}, {2, 3, 6, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " pixels of " + std::to_string(c.channels) +
                     " channels");
        EXPECT_EQ(ImagePaddedRowBytes(c.width, c.channels), c.dataBytes + c.padding);
        for (ImageStorage storage : {ImageStorage::Verbatim, ImageStorage::RunLength}) {
            TempDir dir;
            const Picture picture = PatternPicture(c.width, 3, c.channels);
            WriteBytes(dir.File("p.rgb"),
                       ImageEncode(c.width, 3, c.channels, picture.pixels.data(), storage));
            LoadedImagePtr image;
            ASSERT_TRUE(Load(dir.File("p.rgb"), &image));
            // Reads every byte up to the last row's padding, which the sanitizers check.
            EXPECT_TRUE(SamePixels(*image, picture));
        }
    }
}

TEST(PixelLayout, FirstRowIsTheFilesRowZero) {
    std::vector<unsigned char> bytes = HandMadeFile(0, 2, 3, 1);
    bytes.insert(bytes.end(), {10, 11, 20, 21, 30, 31});
    TempDir dir;
    WriteBytes(dir.File("rows.rgb"), bytes);
    LoadedImagePtr image;
    ASSERT_TRUE(Load(dir.File("rows.rgb"), &image));
    const unsigned char expected[] = {10, 11, 0, 0, 20, 21, 0, 0, 30, 31, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), image->data));
}

TEST(PixelLayout, ChannelPlanesAreInterleaved) {
    std::vector<unsigned char> bytes = HandMadeFile(0, 2, 1, 4);
    bytes.insert(bytes.end(), {'R', 'r', 'G', 'g', 'B', 'b', 'A', 'a'});
    TempDir dir;
    WriteBytes(dir.File("rgba.rgb"), bytes);
    LoadedImagePtr image;
    ASSERT_TRUE(Load(dir.File("rgba.rgb"), &image));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(image->data), 8), "RGBArgba");
}

TEST(RunLength, LiteralRepeatAndEndPackets) {
    const unsigned char a = 7, b = 250, c = 0x80, d = 0;
    std::vector<unsigned char> bytes = HandMadeFile(1, 5, 1, 1);
    const unsigned int rowOffset = 512 + 8;
    const std::vector<unsigned char> row = {0x83, a, b, c, 0x02, d, 0x00};
    bytes.resize(rowOffset);
    Put32BigEndian(bytes, 512, rowOffset);
    Put32BigEndian(bytes, 516, static_cast<unsigned int>(row.size()));
    bytes.insert(bytes.end(), row.begin(), row.end());
    TempDir dir;
    WriteBytes(dir.File("packets.rgb"), bytes);
    LoadedImagePtr image;
    ASSERT_TRUE(Load(dir.File("packets.rgb"), &image));
    const unsigned char expected[] = {a, b, c, d, d, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), image->data));
}

TEST(RunLength, RowsMayShareTheirPacketsAndEndWithSpareBytes) {
    // Both rows point at one stored row whose length covers a byte after its end packet.
    std::vector<unsigned char> bytes = HandMadeFile(1, 3, 2, 1);
    const unsigned int rowOffset = 512 + 16;
    bytes.resize(rowOffset);
    Put32BigEndian(bytes, 512, rowOffset);
    Put32BigEndian(bytes, 516, rowOffset);
    Put32BigEndian(bytes, 520, 4);
    Put32BigEndian(bytes, 524, 4);
    bytes.insert(bytes.end(), {0x03, 42, 0x00, 0x99});
    TempDir dir;
    WriteBytes(dir.File("shared.rgb"), bytes);
    LoadedImagePtr image;
    ASSERT_TRUE(Load(dir.File("shared.rgb"), &image));
    const unsigned char expected[] = {42, 42, 42, 0, 42, 42, 42, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), image->data));
}

TEST(ByteOrder, LittleEndianFileLoadsToTheSamePixels) {
    ASSERT_TRUE(HaveTool("pnmtosgi", "netpbm"));
    for (const char* storage : {"-verbatim", "-rle"}) {
        SCOPED_TRACE(storage);
        TempDir dir;
        WriteNetpbm(dir.File("in.ppm"), PatternPicture(5, 4, 3));
        ASSERT_TRUE(RunCommand(std::string("pnmtosgi ") + storage + " " + dir.File("in.ppm") +
                               " > " + dir.File("big.rgb")));
        const std::vector<unsigned char> big = ReadBytes(dir.File("big.rgb"));
        ASSERT_EQ(big[0], 0x01);
        ASSERT_EQ(big[1], 0xDA);
        WriteBytes(dir.File("little.rgb"), ToLittleEndian(big));

        LoadedImagePtr fromBig;
        ASSERT_TRUE(Load(dir.File("big.rgb"), &fromBig));
        LoadedImagePtr fromLittle;
        ASSERT_TRUE(Load(dir.File("little.rgb"), &fromLittle));
        EXPECT_EQ(fromBig->magic, 0xDA01);
        EXPECT_EQ(fromLittle->magic, 0x01DA);
        EXPECT_EQ(fromLittle->type, fromBig->type);
        EXPECT_EQ(fromLittle->sizeX, 5);
        EXPECT_EQ(fromLittle->sizeY, 4);
        EXPECT_EQ(fromLittle->sizeZ, 3);
        const size_t bytes = static_cast<size_t>(ImagePaddedRowBytes(5, 3)) * 4;
        EXPECT_TRUE(std::equal(fromBig->data, fromBig->data + bytes, fromLittle->data));
    }
}

TEST(ByteOrder, WriterLittleEndianMatchesSwappedBigEndian) {
    const Picture picture = PatternPicture(7, 3, 4);
    for (ImageStorage storage : {ImageStorage::Verbatim, ImageStorage::RunLength}) {
        const auto big =
            ImageEncode(7, 3, 4, picture.pixels.data(), storage, ImageByteOrder::BigEndian);
        const auto little =
            ImageEncode(7, 3, 4, picture.pixels.data(), storage, ImageByteOrder::LittleEndian);
        EXPECT_EQ(little, ToLittleEndian(big));
        TempDir dir;
        WriteBytes(dir.File("little.rgb"), little);
        LoadedImagePtr image;
        ASSERT_TRUE(Load(dir.File("little.rgb"), &image));
        EXPECT_TRUE(SamePixels(*image, picture));
    }
}

// Long runs and literal stretches split into 127-byte packets; netpbm's decoder
// is the independent judge of what the writer produced.
TEST(Writer, RunLengthFilesDecodeWithNetpbmAndThisReader) {
    ASSERT_TRUE(HaveTool("sgitopnm", "netpbm"));
    for (int channels : {1, 3}) {
        SCOPED_TRACE(std::to_string(channels) + " channels");
        TempDir dir;
        const Picture picture = PatternPicture(600, 3, channels, 2);
        std::string error;
        ASSERT_TRUE(ImageWrite(dir.File("w.rgb").c_str(), 600, 3, channels, picture.pixels.data(),
                               ImageStorage::RunLength, &error))
            << error;
        ASSERT_TRUE(RunCommand("sgitopnm " + dir.File("w.rgb") + " > " + dir.File("back.pnm") +
                               " 2>/dev/null"));
        EXPECT_EQ(ReadNetpbm(dir.File("back.pnm")).pixels, Flipped(picture).pixels);

        const std::vector<unsigned char> runLength = ReadBytes(dir.File("w.rgb"));
        const std::vector<unsigned char> verbatim =
            ImageEncode(600, 3, channels, picture.pixels.data(), ImageStorage::Verbatim);
        EXPECT_LT(runLength.size(), verbatim.size());
        WriteBytes(dir.File("v.rgb"), verbatim);
        LoadedImagePtr fromRunLength;
        ASSERT_TRUE(Load(dir.File("w.rgb"), &fromRunLength));
        LoadedImagePtr fromVerbatim;
        ASSERT_TRUE(Load(dir.File("v.rgb"), &fromVerbatim));
        const size_t bytes = static_cast<size_t>(ImagePaddedRowBytes(600, channels)) * 3;
        EXPECT_TRUE(
            std::equal(fromVerbatim->data, fromVerbatim->data + bytes, fromRunLength->data));
        EXPECT_TRUE(SamePixels(*fromRunLength, picture));
    }
}

TEST(Writer, PacketsNeverExceed127Bytes) {
    std::vector<unsigned char> row(300, 9);
    for (int i = 0; i < 150; ++i) row[i] = static_cast<unsigned char>(i);
    const std::vector<unsigned char> packets = ImageEncodeRow(row.data(), 300, 1);
    const std::vector<unsigned char> expectedControls = {0x80 | 127, 0x80 | 23, 127, 23};
    std::vector<unsigned char> controls;
    size_t i = 0;
    while (packets.at(i) != 0) {
        controls.push_back(packets[i]);
        i += (packets[i] & 0x80) ? 1 + (packets[i] & 0x7F) : 2;
    }
    EXPECT_EQ(controls, expectedControls);
    EXPECT_EQ(i + 1, packets.size()) << "the end packet is the last byte";
}

TEST(FloorImage, IsAThreeChannelRunLengthImage) {
    ASSERT_TRUE(std::filesystem::exists("images/Floor.rgb")) << "run from the project root";
    LoadedImagePtr floor(ImageLoad("images/Floor.rgb"));  // as the app loads it
    EXPECT_EQ(floor->sizeZ, 3) << "the floor texture is handed to OpenGL as RGB";
    EXPECT_EQ(floor->type >> 8, 1) << "run-length encoded";
    EXPECT_GE(floor->sizeX, 64);
    EXPECT_GE(floor->sizeY, 64);
    // Not one flat colour: the boards' grain and seams vary the picture.
    const unsigned char* first = floor->data;
    const size_t bytes = static_cast<size_t>(ImagePaddedRowBytes(floor->sizeX, 3)) * floor->sizeY;
    EXPECT_TRUE(std::any_of(first, first + bytes, [&](unsigned char v) { return v != first[0]; }));
}

}  // namespace
}  // namespace image_test
