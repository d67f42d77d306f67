#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int kTemporaryNameTries = 100;
constexpr size_t kLongestBaseInTemporaryName = 200;  // keeps the name under NAME_MAX (255)

bool systemError(const std::string& path, int errorNumber, std::string* error) {
    *error = path + ": " + std::strerror(errorNumber);
    return false;
}

// The open descriptor of a new, empty file beside `path`, named after it; -1 with errno set.
int createTemporary(const std::string& path, mode_t mode, std::string* temporaryPath) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = path.substr(folder.size()).substr(0, kLongestBaseInTemporaryName);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        *temporaryPath = folder + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" +
                         std::to_string(counter++);
        const int descriptor =
            ::open(temporaryPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;  // errno is EEXIST
}

}  // namespace

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

bool AtomicFile::open(const std::string& path, std::string* error) {
    discard();
    path_ = path;
    if (path.empty()) {
        *error = "an empty path names no file";
        return false;
    }

    int descriptor = -1;
    struct stat target;
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
        if (S_ISDIR(target.st_mode)) return systemError(path, EISDIR, error);
        // A device or FIFO: written in place. Non-blocking open, so a FIFO without a reader
        // fails (ENXIO) instead of waiting for one.
        descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (descriptor < 0) return systemError(path, errno, error);
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    } else {
        // A new file gets 0666 less the umask; a replaced one keeps its permissions.
        const bool replacing = ::stat(path.c_str(), &target) == 0;
        descriptor = createTemporary(path, 0666, &temporaryPath_);
        if (descriptor < 0) {
            temporaryPath_.clear();
            return systemError(path, errno, error);
        }
        if (replacing) ::fchmod(descriptor, target.st_mode & 07777);
    }

    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        const int reason = errno;
        ::close(descriptor);
        discard();
        return systemError(path, reason, error);
    }
    return true;
}

bool AtomicFile::commit(std::string* error) {
    if (file_ == nullptr) return systemError(path_, EBADF, error);
    const auto failed = [&](int reason) {
        discard();
        return systemError(path_, reason != 0 ? reason : EIO, error);
    };

    errno = 0;
    // ferror catches a write that failed earlier even when this flush has nothing left to write.
    if (std::fflush(file_) != 0 || std::ferror(file_)) return failed(errno);
    if (!temporaryPath_.empty() && ::fsync(::fileno(file_)) != 0) return failed(errno);
    FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) return failed(errno);
    if (!temporaryPath_.empty()) {
        if (::rename(temporaryPath_.c_str(), path_.c_str()) != 0) return failed(errno);
        temporaryPath_.clear();
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
        *error = path + ": " + std::strerror(reason != 0 ? reason : EIO);
        return false;
    }
    return file.commit(error);
}
