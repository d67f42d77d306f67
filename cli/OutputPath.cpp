#include "cli/OutputPath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "io/OutputTarget.h"

namespace fs = std::filesystem;

const CLI::Validator nonEmptyPath(
    [](std::string& path) { return path.empty() ? std::string("the path is empty") : ""; }, "",
    "non-empty path");

bool outputFileIsWritable(const std::string& path, std::string* why) {
    if (path.empty()) {
        *why = "the output path is empty";
        return false;
    }
    const std::string shown = shownPath(path);
    std::string target;  // what the path's links lead to: the file that is written
    if (!followLinks(path, &target)) {
        *why = shown + ": " + std::strerror(errno);
        return false;
    }
    std::error_code error;
    if (fs::is_directory(target, error)) {
        *why = shown + ": is a folder, not a file";
        return false;
    }
    const fs::path parent = fs::path(target).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    if (!fs::is_directory(folder, error)) {
        *why = shown + ": the folder '" + shownPath(folder) + "' does not exist";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *why = shown + ": cannot write in '" + shownPath(folder) + "': " + std::strerror(errno);
        return false;
    }
    struct stat status;
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        !userMayReplace(target, status)) {
        *why = shown + ": " + std::strerror(EACCES);
        return false;
    }
    return true;
}
