#pragma once

// Output files that are never left half-written: the bytes go to a temporary file in the
// target's folder, which replaces the target by rename only once everything is written and
// synced. On any failure the temporary file is removed and the old target is kept as it was.
//
// The temporary has no name while it is written (O_TMPFILE, where the file system has it): a
// process killed even by SIGKILL leaves nothing behind. It is linked in under a temporary name
// just before the rename, with SIGINT, SIGTERM and SIGHUP held back. Where the file system has
// no unnamed files, the temporary is ".NAME.tmp-PID-N" beside the target: removed on those
// signals and at exit (io/TemporaryCleanup), and after a SIGKILL by the next write to the same
// target, which removes the temporaries whose process is gone.
//
// The target is what the path's symbolic links lead to: the link stays a link and its target
// gets the new content (a dangling link's target is created). An existing target that the user
// may not write (userMayReplace) is refused with "Permission denied". A target that is not a
// regular file (a device such as /dev/stdout, a FIFO) has no contents to keep: it is written
// directly, and failures are still reported on commit. A FIFO with no reader is refused at open
// rather than waited for.
//
// Every error is one line naming the target as given (control characters escaped) and the
// system's reason: "out.png: No space left on device".

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "io/TemporaryCleanup.h"

// How the temporary file is made: without a name where the file system allows it, or always
// named (how it is made elsewhere; tests use it to check that path on any file system).
enum class TemporaryNaming { UnnamedWherePossible, AlwaysNamed };

class AtomicFile {
public:
    explicit AtomicFile(TemporaryNaming naming = TemporaryNaming::UnnamedWherePossible)
        : naming_(naming) {}
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();  // not committed: closes and removes the temporary file

    // Creates the temporary file (mode 0666 less the umask, or the old target's mode and owner).
    bool open(const std::string& path, std::string* error);

    // Where to write; owned by this object, valid from a successful open until commit.
    FILE* stream() { return file_; }

    // Flushes and syncs the bytes: every step that can fail for want of space or a bad device.
    // On failure the temporary file is removed and the target left untouched.
    bool finish(std::string* error);

    // finish, then puts the file in place of the target (a rename, with the signals above held
    // back). On failure the temporary file is removed and the target left untouched.
    bool commit(std::string* error);

private:
    friend bool commitTogether(std::initializer_list<AtomicFile*> files, std::string* error);
    bool fail(int reason, std::string* error);
    bool putInPlace(std::string* error);  // after finish
    void discard();

    TemporaryNaming naming_;
    std::string path_;           // as given, for messages
    std::string target_;         // behind its links
    std::string temporaryPath_;  // named temporary; empty while unnamed or direct
    bool unnamed_ = false;       // an O_TMPFILE temporary, linked in on commit
    bool finished_ = false;
    TemporaryRegistration registration_;  // the named temporary, removed on a fatal signal
    FILE* file_ = nullptr;
};

// Commits several files as one: all are finished first, and only when every one succeeded are
// they put in place, in the order given, with SIGINT, SIGTERM and SIGHUP held back until the
// last. A failure before that leaves every target as it was. (A file pair such as .obj and
// .mtl: list the main file first, so that only a SIGKILL between two renames, or a rename that
// fails after the first succeeded, could leave the main file new beside an old companion.)
bool commitTogether(std::initializer_list<AtomicFile*> files, std::string* error);

// Writes `size` bytes as the whole content of `path` through an AtomicFile.
bool writeFileAtomically(const std::string& path, const void* bytes, size_t size,
                         std::string* error);
