#pragma once

// An output folder replaced whole or not at all: its files are written into a temporary folder
// beside it (".NAME.tmp-PID-N"), which takes the folder's place in one step once complete (an
// exchange of the two names, then the old folder is removed). Until then the folder stays
// exactly as it was; on failure, on SIGINT, SIGTERM or SIGHUP and at exit the temporary folder is
// removed (io/TemporaryCleanup), and after a SIGKILL the next write to the same folder removes
// it (a folder cannot be unnamed as a file can).
//
// Replacing the folder drops every file in it, so a folder is replaced only when all its files
// are ones the writer writes (`isOwnFile`), such as an earlier run's output: a folder holding
// anything else is refused, never emptied. A new folder, or an empty one, is always fine.
//
// Symbolic links are followed as for AtomicFile: the folder they lead to is replaced (or created
// for a dangling link) and the link stays a link. A folder the user may not write
// (userMayReplace) is refused. Errors are one line naming the folder as given.

#include <functional>
#include <string>

#include "io/TemporaryCleanup.h"

class AtomicFolder {
public:
    using FileFilter = std::function<bool(const std::string& name)>;

    AtomicFolder() = default;
    AtomicFolder(const AtomicFolder&) = delete;
    AtomicFolder& operator=(const AtomicFolder&) = delete;
    ~AtomicFolder();  // not committed: removes the temporary folder

    // Checks the folder and creates the temporary one (the old folder's permissions, or 0777
    // less the umask).
    bool open(const std::string& path, FileFilter isOwnFile, std::string* error);

    // Where to write the files, from a successful open until commit; owned by this object.
    const std::string& temporaryFolder() const { return temporary_; }

    // Syncs the temporary folder and puts it in place of the folder, then removes the old one.
    // On failure the temporary folder is removed and the folder left as it was.
    bool commit(std::string* error);

private:
    bool holdsOnlyOwnFiles(std::string* error) const;
    void discard();

    std::string path_;       // as given, for messages
    std::string target_;     // behind its links, without a trailing '/'
    std::string temporary_;  // empty when none
    FileFilter isOwnFile_;
    TemporaryRegistration registration_;
};
