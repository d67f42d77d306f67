// Output files under a file-size limit and on a full device: the old file stays, no temporary
// file is left, and the failure is one line naming the file and the system's reason.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <vector>

#include "image/ImageWrite.h"
#include "io/AtomicFile.h"
#include "render/FrameCapture.h"

namespace fs = std::filesystem;

namespace {

constexpr rlim_t kFileSizeLimit = 4096;  // bytes; every writer below writes more
constexpr int kSide = 96;                // pixels; noise, so the PNG cannot compress under it
const std::string kOldContent = "the good file that was there";

std::vector<unsigned char> noise(size_t bytes) {
    std::mt19937 random(7);
    std::vector<unsigned char> values(bytes);
    for (unsigned char& value : values) value = static_cast<unsigned char>(random());
    return values;
}

struct Writer {
    const char* name;
    std::function<bool(const std::string& path, std::string* error)> write;
};

const std::vector<unsigned char> kPixels = noise(size_t(kSide) * kSide * 3);

const Writer kWriters[] = {
    {"bytes",
     [](const std::string& path, std::string* error) {
         return writeFileAtomically(path, kPixels.data(), kPixels.size(), error);
     }},
    {"png",
     [](const std::string& path, std::string* error) {
         return writePng(path, RgbImage{kSide, kSide, kPixels}, error);
     }},
    {"sgi",
     [](const std::string& path, std::string* error) {
         return ImageWrite(path.c_str(), kSide, kSide, 3, kPixels.data(), ImageStorage::Verbatim,
                           error);
     }},
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class OutputFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "brik-output-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        target = folder / "out";
        std::ofstream(target) << kOldContent;
    }
    void TearDown() override { fs::remove_all(folder); }

    // The old content is intact and nothing else was left in the folder.
    void expectOnlyTheOldFile() {
        EXPECT_TRUE(readFile(target) == kOldContent) << "the old file was changed";
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            EXPECT_EQ(entry.path(), target) << "left behind";
    }

    fs::path folder;
    fs::path target;
};

// The child process runs under a file-size limit with SIGXFSZ ignored, so writes fail with
// EFBIG instead of killing it, and prints the writer's one line.
[[noreturn]] void writeUnderFileSizeLimit(const Writer& writer, const std::string& path) {
    const rlimit limit{kFileSizeLimit, kFileSizeLimit};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
    std::string error;
    if (writer.write(path, &error)) std::_Exit(0);
    std::fprintf(stderr, "%s\n", error.c_str());
    std::_Exit(1);
}

TEST_F(OutputFile, AWriteOverTheFileSizeLimitKeepsTheOldFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        EXPECT_EXIT(writeUnderFileSizeLimit(writer, target), ::testing::ExitedWithCode(1),
                    "^" + target.string() + ": File too large\n$");
        expectOnlyTheOldFile();
    }
}

TEST_F(OutputFile, AFullDeviceIsReportedOnOneLine) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        std::string error;
        EXPECT_FALSE(writer.write("/dev/full", &error));
        EXPECT_EQ(error, "/dev/full: No space left on device");
    }
}

TEST_F(OutputFile, ATargetThatCannotBeWrittenIsRefusedAtOpen) {
    const std::pair<fs::path, const char*> cases[] = {
        {folder, "Is a directory"},
        {folder / "missing" / "out", "No such file or directory"},
    };
    for (const auto& [path, reason] : cases) {
        AtomicFile file;
        std::string error;
        EXPECT_FALSE(file.open(path, &error));
        EXPECT_EQ(error, path.string() + ": " + reason);
    }
    expectOnlyTheOldFile();
}

TEST_F(OutputFile, ACommittedFileReplacesTheOldOneAndKeepsItsPermissions) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    ASSERT_TRUE(writeFileAtomically(target, "new", 3, &error)) << error;
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// Where the file system has no unnamed files the temporary has a name: SIGINT or SIGTERM removes
// it as the process ends, and what a SIGKILL leaves the next write to the same file removes.
TEST_F(OutputFile, ANamedTemporaryGoesWithASignalOrWithTheNextWrite) {
    for (const int each : {SIGINT, SIGTERM}) std::signal(each, SIG_DFL);  // not inherited ignored
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t child = fork();
        if (child == 0) {
            AtomicFile file(TemporaryNaming::AlwaysNamed);
            std::string error;
            if (!file.open(target, &error) || std::fputs("half", file.stream()) < 0) std::_Exit(1);
            std::raise(signal);
            std::_Exit(2);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
                  signal == SIGKILL ? 2 : 1);
        std::string error;
        ASSERT_TRUE(writeFileAtomically(target, kOldContent.data(), kOldContent.size(), &error));
        expectOnlyTheOldFile();
    }
}

// The floor generator's default target is the shipped floor image: a failed run must keep it.
TEST_F(OutputFile, TheFloorGeneratorKeepsTheOldImageAndSaysWhyOnOneLine) {
    const std::string program = std::string(BRIK_BUILD_DIR) + "/brik-make-floor";
    const std::string errors =
        (fs::temp_directory_path() / fs::path(folder).filename()).string() + ".stderr";
    const std::pair<std::string, std::string> cases[] = {
        {"trap '' XFSZ; ulimit -f 4; " + program + " " + target.string(),
         "brik-make-floor: " + target.string() + ": File too large\n"},
        {program + " /dev/full", "brik-make-floor: /dev/full: No space left on device\n"},
    };
    for (const auto& [command, message] : cases) {
        SCOPED_TRACE(command);
        const int status = std::system(("(" + command + ") 2>" + errors).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_EQ(readFile(errors), message);
        expectOnlyTheOldFile();
    }
    fs::remove(errors);
}

}  // namespace
