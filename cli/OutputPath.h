#pragma once

// Checks made on an output path before any work, so that a run that cannot save its result
// fails at once rather than after rendering.

#include <CLI/CLI.hpp>

#include <string>

// Refuses an empty path while the command line is parsed (a usage error).
extern const CLI::Validator nonEmptyPath;

// True when `path` names a file that can be created or replaced: not empty, not a folder,
// in an existing folder that we may write to, and when it exists one the user may replace
// (io/OutputTarget.h), all judged for the file its symbolic links lead to. Otherwise `why` is
// one line naming the path (control characters escaped) and the fault.
bool outputFileIsWritable(const std::string& path, std::string* why);
