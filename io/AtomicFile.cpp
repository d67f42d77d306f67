#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/OutputTarget.h"

namespace {

constexpr int kTemporaryNameTries = 100;

bool systemError(const std::string& path, int errorNumber, std::string* error) {
    *error = shownPath(path) + ": " + std::strerror(errorNumber);
    return false;
}

// The file systems that have no unnamed temporary files say so with one of these.
bool unnamedFilesUnsupported(int errorNumber) {
    return errorNumber == EOPNOTSUPP || errorNumber == EISDIR || errorNumber == EINVAL;
}

// Gives the unnamed file behind `descriptor` the name `path`: through /proc, or where /proc is
// missing through the descriptor itself (which needs privileges). -1 with errno set.
int linkUnnamed(int descriptor, const std::string& path) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(descriptor);
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != ENOENT) return -1;
    return ::linkat(descriptor, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
}

}  // namespace

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
    registration_.release();
    unnamed_ = false;
    finished_ = false;
}

bool AtomicFile::fail(int reason, std::string* error) {
    discard();
    return systemError(path_, reason != 0 ? reason : EIO, error);
}

bool AtomicFile::open(const std::string& path, std::string* error) {
    discard();
    path_ = path;
    if (path.empty()) {
        *error = "an empty path names no file";
        return false;
    }
    if (!followLinks(path, &target_)) return systemError(path, errno, error);

    int descriptor = -1;
    struct stat target;
    const bool exists = ::stat(target_.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return systemError(path, EISDIR, error);
    if (exists && !S_ISREG(target.st_mode)) {
        // A device or FIFO: written in place. Non-blocking open, so a FIFO without a reader
        // fails (ENXIO) instead of waiting for one.
        descriptor = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (descriptor < 0) return systemError(path, errno, error);
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    } else {
        if (exists && !userMayReplace(target_, target)) return systemError(path, EACCES, error);
        removeStaleTemporaries(target_);
        const std::string folder = folderOf(target_);
        if (naming_ == TemporaryNaming::UnnamedWherePossible) {
            descriptor = ::open(folder.empty() ? "." : folder.c_str(),
                                O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (descriptor < 0 && !unnamedFilesUnsupported(errno))
                return systemError(path, errno, error);
            unnamed_ = descriptor >= 0;
        }
        for (int attempt = 0; descriptor < 0 && attempt < kTemporaryNameTries; ++attempt) {
            const DeferredSignals heldBack;  // created and registered as one step
            const std::string name = temporaryNameFor(target_);
            descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor < 0 && errno != EEXIST) return systemError(path, errno, error);
            if (descriptor >= 0) {
                temporaryPath_ = name;
                registration_.hold(name, TemporaryKind::File);
            }
        }
        if (descriptor < 0) return systemError(path, EEXIST, error);
        // A new file gets 0666 less the umask; a replaced one keeps its owner and permissions.
        if (exists) {
            // The superuser gives the file back to its owner; best effort, the content matters
            // more.
            if (::geteuid() == 0 && ::fchown(descriptor, target.st_uid, target.st_gid) != 0)
                errno = 0;
            ::fchmod(descriptor, target.st_mode & 07777);
        }
    }

    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        const int reason = errno;
        ::close(descriptor);
        return fail(reason, error);
    }
    return true;
}

bool AtomicFile::finish(std::string* error) {
    if (finished_) return true;
    if (file_ == nullptr) return systemError(path_, EBADF, error);
    const bool direct = !unnamed_ && temporaryPath_.empty();
    errno = 0;
    // ferror catches a write that failed earlier even when this flush has nothing left to write.
    if (std::fflush(file_) != 0 || std::ferror(file_)) return fail(errno, error);
    if (!direct && ::fsync(::fileno(file_)) != 0) return fail(errno, error);
    if (!unnamed_) {  // an unnamed file stays open: closing it would delete it
        FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) != 0) return fail(errno, error);
    }
    finished_ = true;
    return true;
}

bool AtomicFile::putInPlace(std::string* error) {
    if (unnamed_) {
        for (int attempt = 0; temporaryPath_.empty(); ++attempt) {
            const std::string name = temporaryNameFor(target_);
            if (linkUnnamed(::fileno(file_), name) == 0) {
                temporaryPath_ = name;
                registration_.hold(name, TemporaryKind::File);
            } else if (errno != EEXIST || attempt + 1 == kTemporaryNameTries) {
                return fail(errno, error);
            }
        }
        std::fclose(file_);  // the bytes are synced and now have a name
        file_ = nullptr;
        unnamed_ = false;
    }
    if (!temporaryPath_.empty()) {
        if (::rename(temporaryPath_.c_str(), target_.c_str()) != 0) return fail(errno, error);
        temporaryPath_.clear();
        registration_.release();
    }
    finished_ = false;
    return true;
}

bool AtomicFile::commit(std::string* error) { return commitTogether({this}, error); }

bool commitTogether(std::initializer_list<AtomicFile*> files, std::string* error) {
    for (AtomicFile* file : files) {
        if (!file->finish(error)) {
            for (AtomicFile* other : files) other->discard();
            return false;
        }
    }
    const DeferredSignals heldBack;
    for (AtomicFile* file : files) {
        if (!file->putInPlace(error)) {
            for (AtomicFile* other : files) other->discard();
            return false;
        }
    }
    return true;
}

bool writeFileAtomically(const std::string& path, const void* bytes, size_t size,
                         std::string* error) {
    AtomicFile file;
    if (!file.open(path, error)) return false;
    if (size > 0 && std::fwrite(bytes, 1, size, file.stream()) != size) {
        // fwrite's errno; commit's flush would report the same reason again.
        const int reason = errno;
        *error = shownPath(path) + ": " + std::strerror(reason != 0 ? reason : EIO);
        return false;
    }
    return file.commit(error);
}
