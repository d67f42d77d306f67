#pragma once

// What an output path names, shared by the whole-or-nothing writers (AtomicFile, AtomicFolder):
// the file or folder behind its symbolic links, whether the user may replace it, the names of
// the temporaries written beside it and the sweep of those a killed process left.

#include <sys/stat.h>

#include <string>

// The path behind `path`'s symbolic links, followed one after another as the system follows
// them (a relative link from the link's own folder); `path` itself when it is no link. A
// dangling link gives the path it points to, which the writer then creates, so the link stays
// a link. False with errno set (ELOOP for a cycle).
bool followLinks(const std::string& path, std::string* target);

// The folder part ("" for a bare name, else ending in '/') and the last name of a path.
std::string folderOf(const std::string& path);
std::string lastNameOf(const std::string& path);

// Whether the user may replace an existing output, judged by its permission bits as its user
// expects: an ordinary user by the system's own check for them (owner, group, others, ACLs);
// the superuser, whom the system lets write anything, only when some write bit is set, so a
// file or folder made read-only (chmod a-w) is refused for everyone, as the system refuses to
// execute a file without an execute bit.
bool userMayReplace(const std::string& path, const struct stat& status);

// `path` as it appears in a one-line message: control characters (a newline in a file name)
// written as \n, \t or \xNN, and a backslash as \\, so the line stays one line.
std::string shownPath(const std::string& path);

// A fresh temporary name beside `target`: "FOLDER/.NAME.tmp-PID-N".
std::string temporaryNameFor(const std::string& target);

// Removes the temporaries beside `target` (files, or folders with their files) whose process is
// gone: those a SIGKILL or a power cut left where no unnamed temporary could be used.
void removeStaleTemporaries(const std::string& target);
