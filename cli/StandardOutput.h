#pragma once

// `-o -`: a picture or a model written to standard output, for a pipe, instead of a file.

#include <cstddef>
#include <string>

constexpr const char* kStandardOutputPath = "-";

// True when `path` ends in `extension` (".png"), letters in either case.
bool hasExtension(const std::string& path, const std::string& extension);

// Writes all `size` bytes to standard output and flushes it. On failure (a closed pipe, a full
// disk) returns false with one line in `why`.
bool writeStandardOutput(const void* bytes, size_t size, std::string* why);
