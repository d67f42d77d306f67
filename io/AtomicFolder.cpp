#include "io/AtomicFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "io/OutputTarget.h"

namespace fs = std::filesystem;

namespace {

bool systemError(const std::string& path, int errorNumber, std::string* error) {
    *error = shownPath(path) + ": " + std::strerror(errorNumber);
    return false;
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Flushes a folder's entries to the device.
void syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

AtomicFolder::~AtomicFolder() { discard(); }

void AtomicFolder::discard() {
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove_all(temporary_, ignored);
    }
    temporary_.clear();
    registration_.release();
}

bool AtomicFolder::holdsOnlyOwnFiles(std::string* error) const {
    std::error_code failure;
    for (fs::directory_iterator it(target_, failure), end; !failure && it != end;
         it.increment(failure)) {
        const std::string name = it->path().filename().string();
        if (!it->is_symlink() && it->is_regular_file() && isOwnFile_(name)) continue;
        *error = shownPath(path_) + ": holds '" + shownPath(name) +
                 "', which replacing the folder would lose; give a new or empty folder, or one "
                 "this command wrote";
        return false;
    }
    if (failure) return systemError(path_, failure.value(), error);
    return true;
}

bool AtomicFolder::open(const std::string& path, FileFilter isOwnFile, std::string* error) {
    discard();
    path_ = path;
    isOwnFile_ = std::move(isOwnFile);
    if (path.empty()) {
        *error = "an empty path names no folder";
        return false;
    }
    if (!followLinks(withoutTrailingSlashes(path), &target_))
        return systemError(path, errno, error);
    target_ = withoutTrailingSlashes(target_);
    const std::string name = lastNameOf(target_);
    if (name == "." || name == ".." || name.empty()) {
        // The folder has a name of its own only in its parent.
        std::error_code ignored;
        target_ = withoutTrailingSlashes(fs::weakly_canonical(fs::absolute(target_), ignored));
    }
    if (target_ == "/") return systemError(path, EBUSY, error);

    struct stat status;
    const bool exists = ::stat(target_.c_str(), &status) == 0;
    if (exists && !S_ISDIR(status.st_mode)) {
        *error = shownPath(path) + ": exists and is not a folder";
        return false;
    }
    if (exists && !userMayReplace(target_, status)) return systemError(path, EACCES, error);
    if (exists && !holdsOnlyOwnFiles(error)) return false;

    removeStaleTemporaries(target_);
    const DeferredSignals heldBack;  // created and registered as one step
    const std::string temporary = temporaryNameFor(target_);
    if (::mkdir(temporary.c_str(), 0777) != 0) return systemError(path, errno, error);
    temporary_ = temporary;
    registration_.hold(temporary_, TemporaryKind::Folder);
    if (exists) ::chmod(temporary_.c_str(), status.st_mode & 07777);
    return true;
}

bool AtomicFolder::commit(std::string* error) {
    if (temporary_.empty()) return systemError(path_, EBADF, error);
    struct stat status;
    if (::stat(target_.c_str(), &status) == 0 && !holdsOnlyOwnFiles(error)) {
        discard();  // something was added meanwhile
        return false;
    }
    syncFolder(temporary_);
    {
        const DeferredSignals heldBack;
        if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) !=
            0) {
            const int reason = errno;
            if (reason == ENOENT) {  // no old folder: the new one simply takes the name
                if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
                    const int renameReason = errno;
                    discard();
                    return systemError(path_, renameReason, error);
                }
                temporary_.clear();
                registration_.release();
            } else if (reason == EINVAL || reason == ENOSYS) {
                // No exchange on this file system: the old folder steps aside, then the new one
                // takes its name. Only a SIGKILL between the two leaves the name missing, with
                // both folders beside it.
                const std::string old = temporaryNameFor(target_);
                if (::rename(target_.c_str(), old.c_str()) != 0 ||
                    ::rename(temporary_.c_str(), target_.c_str()) != 0) {
                    const int renameReason = errno;
                    ::rename(old.c_str(), target_.c_str());
                    discard();
                    return systemError(path_, renameReason, error);
                }
                temporary_ = old;
                registration_.hold(temporary_, TemporaryKind::Folder);
            } else {
                discard();
                return systemError(path_, reason, error);
            }
        }
    }
    syncFolder(folderOf(target_).empty() ? "." : folderOf(target_));
    discard();  // the old folder, now under the temporary name
    return true;
}
