#pragma once

// Output files that are never left half-written: the bytes go to a temporary file in the
// target's folder, which replaces the target by rename only once everything is written and
// synced. On any failure the temporary file is removed and the old target is kept as it was.
//
// A target that exists and is not a regular file (a device such as /dev/stdout, a FIFO) has no
// contents to keep: it is written directly, and failures are still reported on commit. A FIFO
// with no reader is refused at open rather than waited for.
//
// Every error is one line, without a newline, naming the target and the system's reason:
// "out.png: No space left on device".

#include <cstddef>
#include <cstdio>
#include <string>

class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();  // not committed: closes and removes the temporary file

    // Creates the temporary file (mode 0666 less the umask, or the old target's mode).
    bool open(const std::string& path, std::string* error);

    // Where to write; owned by this object, valid from a successful open until commit.
    FILE* stream() { return file_; }

    // Flushes, syncs and closes the stream, then renames the temporary file over the target.
    // On failure the temporary file is removed and the target left untouched.
    bool commit(std::string* error);

private:
    void discard();

    std::string path_;
    std::string temporaryPath_;  // empty when the target is written directly
    FILE* file_ = nullptr;
};

// Writes `size` bytes as the whole content of `path` through an AtomicFile.
bool writeFileAtomically(const std::string& path, const void* bytes, size_t size,
                         std::string* error);
