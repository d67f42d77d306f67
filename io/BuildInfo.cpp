#include "io/BuildInfo.h"

std::string versionLine(const std::string& program) {
    return program + " " + kBrikVersion + " (commit " + kBrikCommit + ")";
}
