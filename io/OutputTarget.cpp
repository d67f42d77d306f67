#include "io/OutputTarget.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int kMostLinksFollowed = 40;           // as the system follows them
constexpr size_t kLongestNameInTemporary = 200;  // keeps the name under NAME_MAX (255)

std::string temporaryPrefix(const std::string& target) {
    return "." + lastNameOf(target).substr(0, kLongestNameInTemporary) + ".tmp-";
}

// "PID-N" as a temporary's name ends; 0 when `rest` is not that.
pid_t processOfTemporary(const std::string& rest) {
    const size_t dash = rest.find('-');
    const auto digitsOnly = [](const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dash == std::string::npos || dash > 9 || !digitsOnly(rest.substr(0, dash)) ||
        !digitsOnly(rest.substr(dash + 1)))
        return 0;
    return pid_t(std::stol(rest.substr(0, dash)));
}

}  // namespace

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string lastNameOf(const std::string& path) { return path.substr(folderOf(path).size()); }

bool followLinks(const std::string& path, std::string* target) {
    std::string current = path;
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        struct stat status;
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            *target = current;  // no link (or nothing yet): the writer reports what it finds
            return true;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), link, sizeof link);
        if (length < 0) return false;
        if (size_t(length) == sizeof link) {
            errno = ENAMETOOLONG;
            return false;
        }
        const std::string next(link, size_t(length));
        current = next[0] == '/' ? next : folderOf(current) + next;
    }
    errno = ELOOP;
    return false;
}

bool userMayReplace(const std::string& path, const struct stat& status) {
    if (::geteuid() != 0) return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string shownPath(const std::string& path) {
    std::string shown;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            shown += "\\\\";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return folderOf(target) + temporaryPrefix(target) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

void removeStaleTemporaries(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr) return;  // the writer reports an unusable folder itself
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const pid_t owner = processOfTemporary(name.substr(prefix.size()));
        if (owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH) continue;  // alive, or not ours
        std::error_code ignored;
        std::filesystem::remove_all(folder + name, ignored);
    }
    ::closedir(entries);
}
