#pragma once

// The process's resident memory in KiB (VmRSS from /proc/self/status); 0 where unreadable.

#include <cstdio>

inline long residentKiB() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return 0;
    char line[256];
    long kibibytes = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kibibytes) == 1) break;
    std::fclose(status);
    return kibibytes;
}
