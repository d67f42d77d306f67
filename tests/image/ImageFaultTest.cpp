// Files the reader refuses: one line naming the file and the fault, exit(-1).

#include "ImageTestSupport.h"
#include "image/ImageWrite.h"

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace image_test {
namespace {

using ::testing::ExitedWithCode;

constexpr int kExitStatus = 255;  // exit(-1)

class ImageFaultTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string path = dir.File("bad.rgb");

    // A valid file of PatternPicture pixels, to be spoilt by the test.
    std::vector<unsigned char> ValidFile(int sizeX, int sizeY, int sizeZ, ImageStorage storage) {
        return ImageEncode(sizeX, sizeY, sizeZ, PatternPicture(sizeX, sizeY, sizeZ).pixels.data(),
                           storage);
    }

    void Write(const std::vector<unsigned char>& bytes) { WriteBytes(path, bytes); }

    // A run-length file of one channel whose rows hold the given packets.
    void WriteRunLengthRows(int sizeX, const std::vector<std::vector<unsigned char>>& rows) {
        const int sizeY = static_cast<int>(rows.size());
        std::vector<unsigned char> bytes = ValidFile(sizeX, sizeY, 1, ImageStorage::RunLength);
        bytes.resize(512 + 8 * sizeY);
        for (int y = 0; y < sizeY; ++y) {
            Put32BigEndian(bytes, 512 + 4 * y, static_cast<unsigned int>(bytes.size()));
            Put32BigEndian(bytes, 512 + 4 * (sizeY + y), static_cast<unsigned int>(rows[y].size()));
            bytes.insert(bytes.end(), rows[y].begin(), rows[y].end());
        }
        Write(bytes);
    }
};

TEST_F(ImageFaultTest, MissingFileIsReportedByTheSystemsErrorText) {
    const std::string missing = dir.File("missing.rgb");
    EXPECT_EXIT(ImageLoad(missing.c_str()), ExitedWithCode(kExitStatus),
                WholeLine(missing + ": No such file or directory"));
}

TEST_F(ImageFaultTest, OnlyRegularFilesAreOpened) {
    const std::string folder = dir.File("folder.rgb");
    std::filesystem::create_directory(folder);
    // Opening a FIFO for reading waits for a writer: the alarm ends a reader that waits.
    const std::string fifo = dir.File("fifo.rgb");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir.File("socket.rgb");
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    for (const std::string& file : {folder, fifo, socketPath, std::string("/dev/zero")}) {
        EXPECT_EXIT((alarm(5), ImageLoad(file.c_str())), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::NotAFile, file));
    }
    close(listening);
}

TEST_F(ImageFaultTest, FileThatDoesNotStartWithTheMagicNumber) {
    std::vector<unsigned char> bytes = ValidFile(4, 4, 3, ImageStorage::Verbatim);
    bytes[0] = 'P';
    bytes[1] = '6';  // a PPM picture's header
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::NotAnImage, path));
    // Before its size: a short text file is named as what it is not.
    Write({'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::NotAnImage, path));
}

TEST_F(ImageFaultTest, FileShorterThanItsHeader) {
    std::vector<unsigned char> bytes = ValidFile(4, 4, 3, ImageStorage::Verbatim);
    bytes.resize(100);
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::ShortHeader, path, 100));
    Write({});
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::ShortHeader, path, 0));
}

TEST_F(ImageFaultTest, ChannelCountOutsideOneToFour) {
    for (int channels : {0, 5, 65535}) {
        std::vector<unsigned char> bytes = ValidFile(4, 2, 1, ImageStorage::Verbatim);
        bytes[10] = static_cast<unsigned char>(channels >> 8);
        bytes[11] = static_cast<unsigned char>(channels);
        Write(bytes);
        EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::ChannelCount, path, channels));
    }
}

TEST_F(ImageFaultTest, SixteenBitChannelsFromNetpbm) {
    ASSERT_TRUE(HaveTool("pnmtosgi", "netpbm"));
    std::ofstream(dir.File("deep.pgm"), std::ios::binary) << "P5\n2 2\n65535\n"
                                                          << std::string(8, '\x7f');
    for (const char* storage : {"-verbatim", "-rle"}) {
        ASSERT_TRUE(RunCommand(std::string("pnmtosgi ") + storage + " " + dir.File("deep.pgm") +
                               " > " + path));
        EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::BytesPerChannel, path, 2));
    }
}

TEST_F(ImageFaultTest, ZeroWidthOrHeight) {
    for (int field : {6, 8}) {
        std::vector<unsigned char> bytes = ValidFile(4, 2, 1, ImageStorage::Verbatim);
        bytes[field] = bytes[field + 1] = 0;
        Write(bytes);
        EXPECT_EXIT(
            ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
            FaultLine(ImageFault::EmptyImage, path, field == 6 ? 0 : 4, field == 8 ? 0 : 2));
    }
}

TEST_F(ImageFaultTest, PixelBufferOverTheLimit) {
    std::vector<unsigned char> bytes = ValidFile(4, 2, 1, ImageStorage::RunLength);
    for (int field : {6, 8}) bytes[field] = bytes[field + 1] = 0xFF;
    bytes[11] = 4;
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::ImageTooLarge, path, 65535, 65535, 4, 65535LL * 65535 * 4,
                          kImageMaxPixelBytes));
}

TEST_F(ImageFaultTest, VerbatimDataCutShort) {
    std::vector<unsigned char> bytes = ValidFile(5, 3, 3, ImageStorage::Verbatim);
    bytes.pop_back();
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::VerbatimTruncated, path, 512 + 45, 512 + 44));
}

TEST_F(ImageFaultTest, RunLengthTablesPastTheEndOfTheFile) {
    std::vector<unsigned char> bytes = ValidFile(5, 3, 3, ImageStorage::RunLength);
    bytes.resize(512 + 40);  // the two tables need 72 bytes
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::TablesOutsideFile, path, 512 + 72, 512 + 40));
}

TEST_F(ImageFaultTest, RowTableEntriesOutsideTheReadersLimits) {
    // 5 x 3 x 3: entry of row 1, channel 2 is number 7 of each table.
    const size_t start = 512 + 4 * 7, length = 512 + 4 * (9 + 7);
    const std::vector<unsigned char> valid = ValidFile(5, 3, 3, ImageStorage::RunLength);
    const long long fileBytes = static_cast<long long>(valid.size());

    std::vector<unsigned char> bytes = valid;
    Put32BigEndian(bytes, length, 0xFFFFFFFFu);
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowLengthNegative, path, 1, 2, -1));

    // A row of 5 pixels takes at least a repeat packet and the end packet.
    for (unsigned int tooFew : {0u, 2u}) {
        bytes = valid;
        Put32BigEndian(bytes, length, tooFew);
        Write(bytes);
        EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::RowTooShort, path, 1, 2, tooFew, 5));
    }

    bytes = valid;
    Put32BigEndian(bytes, length, 256 * 5 + 1);
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowTooLong, path, 1, 2, 256 * 5 + 1, 256 * 5));

    bytes = valid;
    Put32BigEndian(bytes, start, static_cast<unsigned int>(fileBytes - 2));
    Put32BigEndian(bytes, length, 3);
    Write(bytes);
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowOutsideFile, path, 1, 2, fileBytes + 1, fileBytes));

    bytes = valid;
    Put32BigEndian(bytes, start, 0xFFFFFFF0u);  // far beyond, and no wrap-around
    Write(bytes);
    const long long rowBytes = bytes[length + 3];
    EXPECT_EXIT(
        ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
        FaultLine(ImageFault::RowOutsideFile, path, 1, 2, 0xFFFFFFF0LL + rowBytes, fileBytes));
}

TEST_F(ImageFaultTest, RunLengthRowsThatDoNotDecodeToTheWidth) {
    WriteRunLengthRows(4, {{0x04, 1, 0}, {0x83, 1, 2, 3, 0x02, 4, 0}});
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowOverrun, path, 1, 0, 4));

    WriteRunLengthRows(4, {{0x85, 1, 2, 3, 4, 5, 0}});
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowOverrun, path, 0, 0, 4));

    WriteRunLengthRows(4, {{0x04, 1, 0}, {0x04, 1, 0}, {0x03, 9, 0}});
    EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                FaultLine(ImageFault::RowShort, path, 2, 0, 3, 4));
}

TEST_F(ImageFaultTest, RunLengthRowsWithoutTheirEndPacket) {
    const std::vector<std::vector<unsigned char>> unended = {
        {0x84, 1, 2, 3, 4},  // full width, then nothing
        {0x82, 1, 2, 0x02},  // repeat packet missing its value
        {0x84, 1, 2},        // literal packet cut off
    };
    for (const auto& row : unended) {
        WriteRunLengthRows(4, {{0x04, 1, 0}, {0x04, 1, 0}, {0x04, 1, 0}, row});
        EXPECT_EXIT(ImageLoad(path.c_str()), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::RowNoEndPacket, path, 3, 0));
    }
}

TEST_F(ImageFaultTest, RowOutsideTheImage) {
    Write(ValidFile(4, 2, 3, ImageStorage::Verbatim));
    unsigned char row[4];
    for (const auto& [y, z] :
         {std::pair{2, 0}, std::pair{-1, 0}, std::pair{0, 3}, std::pair{0, -1}}) {
        EXPECT_EXIT(ImageGetRow(ImageOpen(path.c_str()), row, y, z), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::RowOutOfRange, path, y, z, 4, 2, 3));
    }
}

TEST_F(ImageFaultTest, FileCutShortAfterItWasOpened) {
    // Larger than the stream's buffer, so the last row is read from the file.
    const int width = 128, height = 64;
    for (ImageStorage storage : {ImageStorage::Verbatim, ImageStorage::RunLength}) {
        const std::vector<unsigned char> bytes = ValidFile(width, height, 1, storage);
        Write(bytes);
        Image* image = ImageOpen(path.c_str());
        std::filesystem::resize_file(path, bytes.size() - 1);  // takes a byte of the last row
        std::vector<char> data(width * height);
        const bool verbatim = storage == ImageStorage::Verbatim;
        const long long lastRowStart =
            verbatim ? 512 + (height - 1) * width : image->rowStart[height - 1];
        const long long lastRowBytes = verbatim ? width : image->rowSize[height - 1];
        EXPECT_EXIT(ImageGetRawData(image, data.data()), ExitedWithCode(kExitStatus),
                    FaultLine(ImageFault::ShortRead, path, lastRowBytes, lastRowStart));
        ImageClose(image);
    }
}

TEST_F(ImageFaultTest, AllocationFailureReportsOutOfMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves the address space this test limits";
#else
    // 8000 x 8000 x 4 needs 256 000 000 bytes of pixels; every row repeats one packet run.
    const int size = 8000;
    std::vector<unsigned char> bytes = ValidFile(4, 1, 1, ImageStorage::RunLength);
    bytes[6] = bytes[8] = size >> 8;
    bytes[7] = bytes[9] = size & 0xFF;
    bytes[11] = 4;
    const unsigned int entries = size * 4;
    bytes.resize(512 + 8 * entries);
    std::vector<unsigned char> row;
    for (int left = size; left > 0; left -= 127)
        row.insert(row.end(), {static_cast<unsigned char>(std::min(left, 127)), 1});
    row.push_back(0);
    for (unsigned int i = 0; i < entries; ++i) {
        Put32BigEndian(bytes, 512 + 4 * i, static_cast<unsigned int>(512 + 8 * entries));
        Put32BigEndian(bytes, 512 + 4 * (entries + i), static_cast<unsigned int>(row.size()));
    }
    bytes.insert(bytes.end(), row.begin(), row.end());
    Write(bytes);

    const auto loadWithLittleMemory = [&] {
        rlimit limit;
        getrlimit(RLIMIT_AS, &limit);
        std::ifstream statm("/proc/self/statm");
        long long pages = 0;
        statm >> pages;
        limit.rlim_cur = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + 64LL * 1024 * 1024);
        setrlimit(RLIMIT_AS, &limit);
        ImageLoad(path.c_str());
    };
    EXPECT_EXIT(loadWithLittleMemory(), ExitedWithCode(kExitStatus), WholeLine("Out of memory!"));
#endif
}

TEST(ImageTryLoad, ReportsTheFaultWithoutEnding) {
    TempDir dir;
    const std::string path = dir.File("short.rgb");
    std::vector<unsigned char> bytes(20, 1);
    bytes[0] = kImageMagic >> 8;
    bytes[1] = kImageMagic & 0xFF;
    WriteBytes(path, bytes);
    LoadedImage* image = reinterpret_cast<LoadedImage*>(&dir);
    ImageError error;
    EXPECT_FALSE(ImageTryLoad(path.c_str(), &image, &error));
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(error.fault, ImageFault::ShortHeader);
    EXPECT_EQ(error.message, path + ": file is 20 bytes, shorter than its 512-byte header");

    const std::string missing = dir.File("missing.rgb");
    EXPECT_FALSE(ImageTryLoad(missing.c_str(), &image, &error));
    EXPECT_EQ(error.fault, ImageFault::CannotOpen);
    EXPECT_EQ(error.systemError, ENOENT);
}

}  // namespace
}  // namespace image_test
