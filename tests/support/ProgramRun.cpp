#include "support/ProgramRun.h"

#include <sys/wait.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult run(const std::string& commandLine, const fs::path& directory) {
    const fs::path out = directory / "stdout.txt", err = directory / "stderr.txt";
    const std::string shell = "cd '" + directory.string() + "' && " + commandLine + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(shell.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

void ProgramFolder::SetUp() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    directory = fs::temp_directory_path() / ("brik-programs-" + std::to_string(::getpid()) + "-" +
                                             test->test_suite_name() + "-" + test->name());
    fs::remove_all(directory);
    fs::create_directories(directory / "images");
}

void ProgramFolder::TearDown() { fs::remove_all(directory); }

void ProgramFolder::copyFloorImage() {
    // The tests run from the project's root.
    fs::copy_file(fs::current_path() / "images" / "Floor.rgb", directory / "images" / "Floor.rgb");
}
