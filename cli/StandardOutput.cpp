#include "cli/StandardOutput.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

bool hasExtension(const std::string& path, const std::string& extension) {
    return path.size() > extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                      [](char wanted, char actual) {
                          return std::tolower(static_cast<unsigned char>(actual)) == wanted;
                      });
}

bool writeStandardOutput(const void* bytes, size_t size, std::string* why) {
    errno = 0;
    if (std::fwrite(bytes, 1, size, stdout) != size || std::fflush(stdout) != 0) {
        *why = std::string("standard output: ") + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}
