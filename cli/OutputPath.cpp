#include "cli/OutputPath.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

const CLI::Validator nonEmptyPath(
    [](std::string& path) { return path.empty() ? std::string("the path is empty") : ""; }, "",
    "non-empty path");

bool outputFileIsWritable(const std::string& path, std::string* why) {
    if (path.empty()) {
        *why = "the output path is empty";
        return false;
    }
    std::error_code error;
    if (fs::is_directory(path, error)) {
        *why = path + ": is a folder, not a file";
        return false;
    }
    const fs::path parent = fs::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    if (!fs::is_directory(folder, error)) {
        *why = path + ": the folder '" + folder + "' does not exist";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *why = path + ": cannot write in '" + folder + "': " + std::strerror(errno);
        return false;
    }
    return true;
}
