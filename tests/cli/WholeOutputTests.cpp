// Every writer as a user meets it: killed at any point it leaves the old output or the complete
// new one and no temporary file (after SIGKILL none with a name, where the file system has
// unnamed files; the next run sweeps what is left); through links, onto read-only files and onto
// devices it writes what the link leads to or refuses in one line.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

#include "BrikCommand.h"

namespace fs = std::filesystem;

namespace {

struct Writer {
    const char* name;
    std::string command;  // the output's name follows
    std::string output;   // a file, or the guide's folder
    std::string prefix;   // of its error lines
    bool folder = false;
};

const std::string kFloorMaker = std::string(BRIK_BUILD_DIR) + "/brik-make-floor";
const Writer kWriters[] = {
    {"snapshot", kBrik + " snapshot --size 64x48 --frames 5 -o", "out.png", "brik snapshot: "},
    {"glTF", kBrik + " export -o", "out.glb", "brik export: "},
    {"OBJ", kBrik + " export -o", "out.obj", "brik export: "},
    {"floor", kFloorMaker, "out.rgb", "brik-make-floor: "},
    {"guide", kBrik + " instructions --size 48x36 -o", "guide", "brik instructions: ", true},
};
constexpr const char* kOld = "the old output";

using Contents = std::map<std::string, std::string>;  // file -> bytes, under the folder

// The writer's outputs: the file (with the .mtl beside an .obj), or every file of the folder.
Contents outputsOf(const Writer& writer, const fs::path& directory) {
    Contents contents;
    const fs::path output = directory / writer.output;
    if (writer.folder && fs::is_directory(output)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(output))
            contents[entry.path().filename()] = readFile(entry.path());
    } else {
        for (const fs::path& file : {output, fs::path(output).replace_extension(".mtl")})
            if (fs::exists(file)) contents[file.filename()] = readFile(file);
    }
    return contents;
}

// An old output in place: the file(s), or a folder holding an earlier guide's files.
void putOldOutput(const Writer& writer, const fs::path& directory) {
    const fs::path output = directory / writer.output;
    fs::remove_all(output);
    fs::remove(fs::path(output).replace_extension(".mtl"));
    if (writer.folder) {
        fs::create_directory(output);
        for (const char* file : {"index.html", "step-99.png"}) std::ofstream(output / file) << kOld;
    } else {
        std::ofstream(output) << kOld;
        if (fs::path(output).extension() == ".obj")
            std::ofstream(fs::path(output).replace_extension(".mtl")) << kOld;
    }
}

std::vector<std::string> temporaries(const fs::path& directory) {
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        if (entry.path().filename().string().find(".tmp-") != std::string::npos)
            found.push_back(entry.path().filename());
    return found;
}

bool hasUnnamedFiles(const fs::path& directory) {
    const int descriptor = ::open(directory.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (descriptor >= 0) ::close(descriptor);
    return descriptor >= 0;
}

// Runs the command line in `directory` with every signal at its default action (as from a
// terminal, not a shell's background job, where SIGINT is ignored), sends `signal` after
// `delay`, and returns the wait status.
int runAndSignal(const std::string& commandLine, const fs::path& directory,
                 std::chrono::duration<double> delay, int signal) {
    const std::string execLine = "exec " + commandLine + " >/dev/null 2>&1";
    const pid_t child = ::fork();
    if (child == 0) {
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const int each : {SIGINT, SIGTERM, SIGHUP}) std::signal(each, SIG_DFL);
        if (::chdir(directory.c_str()) == 0)
            ::execl("/bin/sh", "sh", "-c", execLine.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::this_thread::sleep_for(delay);
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

class WholeOutput : public ProgramFolder {
protected:
    // The tables below run every writer many times over: minutes under the sanitizers' slowdown,
    // and nothing they check is about memory (the sanitized build's other tests run the same
    // writers once each).
    static bool slowedBySanitizers() {
#if defined(__SANITIZE_ADDRESS__)
        return true;
#else
        return false;
#endif
    }
};

TEST_F(WholeOutput, AKilledWriterLeavesTheOldOutputOrTheNewOneAndNoTemporary) {
    if (slowedBySanitizers()) GTEST_SKIP() << "every writer many times over: the plain build's";
    copyFloorImage();
    const bool unnamedFiles = hasUnnamedFiles(directory);
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const std::string commandLine = writer.command + " " + writer.output;
        putOldOutput(writer, directory);
        const Contents old = outputsOf(writer, directory);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(run(commandLine, directory).status, 0);
        const std::chrono::duration<double> runTime = std::chrono::steady_clock::now() - start;
        const Contents complete = outputsOf(writer, directory);

        for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
            for (const double partOfTheRun : {0.3, 0.7}) {
                SCOPED_TRACE(std::string(strsignal(signal)) + " at " +
                             std::to_string(partOfTheRun) + " of the run");
                putOldOutput(writer, directory);
                const int status =
                    runAndSignal(commandLine, directory, runTime * partOfTheRun, signal);
                EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                            (WIFEXITED(status) && WEXITSTATUS(status) == 0))
                    << status;
                const Contents left = outputsOf(writer, directory);
                EXPECT_TRUE(left == old || left == complete) << "a mixture of old and new";
                // A folder cannot be unnamed: after SIGKILL the next run sweeps it.
                if (signal != SIGKILL || (unnamedFiles && !writer.folder)) {
                    EXPECT_TRUE(temporaries(directory).empty()) << temporaries(directory)[0];
                }
            }
        }
        // The next run removes what a SIGKILL left.
        ASSERT_EQ(run(commandLine, directory).status, 0);
        EXPECT_TRUE(outputsOf(writer, directory) == complete);
        EXPECT_TRUE(temporaries(directory).empty()) << temporaries(directory)[0];
    }
}

// Each writer on a link to its old output, a dangling link, a read-only file of another owner
// and a link to a device. Only the guide refuses the device: it writes a folder.
TEST_F(WholeOutput, LinksAreWrittenThroughAndReadOnlyOutputsRefused) {
    if (slowedBySanitizers()) GTEST_SKIP() << "every writer many times over: the plain build's";
    copyFloorImage();
    enum Kind { LinkToOld, DanglingLink, ReadOnly, LinkToDevice };
    for (const Writer& writer : kWriters) {
        for (const Kind kind : {LinkToOld, DanglingLink, ReadOnly, LinkToDevice}) {
            SCOPED_TRACE(std::string(writer.name) + " onto case " + std::to_string(kind));
            const fs::path output = directory / writer.output;
            const Writer real = {writer.name, "", "real-" + writer.output, "", writer.folder};
            fs::remove_all(output);
            fs::remove_all(directory / real.output);
            if (kind == LinkToOld) putOldOutput(real, directory);
            if (kind == ReadOnly) {
                putOldOutput(writer, directory);
                ASSERT_EQ(::chown(output.c_str(), 65534, 65534), 0);
                fs::permissions(
                    output,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
            }
            if (kind == LinkToOld || kind == DanglingLink) fs::create_symlink(real.output, output);
            if (kind == LinkToDevice) fs::create_symlink("/dev/null", output);
            const Contents before = outputsOf(kind == ReadOnly ? writer : real, directory);

            const RunResult result = run(writer.command + " " + writer.output, directory);
            if (kind == ReadOnly) {
                EXPECT_EQ(result.status, 1);
                EXPECT_EQ(result.err, writer.prefix + writer.output + ": Permission denied\n");
                EXPECT_TRUE(outputsOf(writer, directory) == before);
            } else if (kind == LinkToDevice && writer.folder) {
                EXPECT_EQ(result.status, 1);
                EXPECT_EQ(result.err,
                          writer.prefix + writer.output + ": exists and is not a folder\n");
            } else {
                EXPECT_EQ(result.status, 0) << result.err;
                EXPECT_TRUE(fs::is_symlink(output)) << "the link was replaced";
                if (kind != LinkToDevice) {
                    const Contents written = outputsOf(real, directory);
                    EXPECT_FALSE(written.empty() || written == before)
                        << "the target was not written";
                }
            }
            EXPECT_TRUE(fs::is_character_file("/dev/null"));
            EXPECT_TRUE(temporaries(directory).empty());
        }
    }
}

// The .obj fails for want of space (a file-size limit the small .mtl stays under): neither file
// changes, and the line names the .obj.
TEST_F(WholeOutput, AFailedObjWriteKeepsBothOldFiles) {
    const Writer& obj = kWriters[2];
    putOldOutput(obj, directory);
    const Contents old = outputsOf(obj, directory);
    const RunResult result =
        run("trap '' XFSZ; ulimit -f 64; " + obj.command + " " + obj.output, directory);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, obj.prefix + obj.output + ": File too large\n");
    EXPECT_TRUE(outputsOf(obj, directory) == old);
}

// Values once taken or told wrongly: the status, a word of the one-line reason, and no file
// named after an option.
TEST_F(WholeOutput, RefusedValuesSayWhyOnOneLine) {
    copyFloorImage();
    fs::create_symlink("missing/guide", directory / "dangling");
    const struct {
        std::string commandLine;
        int status;
        const char* reason;
    } cases[] = {
        {kBrik + " snapshot --eye 1e30,0,0", 2, "farther than"},
        {kBrik + " snapshot --overlay ''", 2, "is not an overlay"},
        {kBrik + " export -o h.glb --scale 1e-300", 2, "is not between"},
        {kBrik + " export -o \"$(printf 'no\\nsuch')/h.glb\"", 1, "no\\nsuch"},
        {kBrik + " instructions -o dangling", 1, "No such file or directory"},
        {kFloorMaker + " --help", 0, ""},
        {kFloorMaker + " --version", 0, ""},
        {kFloorMaker + " --bogus", 2, "--bogus"},
        {kFloorMaker + " -x", 2, "-x"},
        {kFloorMaker + " a b", 2, "b"},
    };
    for (const auto& [commandLine, status, reason] : cases) {
        SCOPED_TRACE(commandLine);
        const RunResult result = run(commandLine, directory);
        EXPECT_EQ(result.status, status) << result.err;
        EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
        EXPECT_LE(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
        for (const char* word : {"--help", "--version", "--bogus", "-x", "a"})
            EXPECT_FALSE(fs::exists(directory / word)) << word;
    }
    EXPECT_EQ(run(kFloorMaker + " -- -x", directory).status, 0);
    EXPECT_TRUE(fs::is_regular_file(directory / "-x")) << "a word after -- is a file name";
}

}  // namespace
