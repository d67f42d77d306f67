#pragma once

// Fixed when the build is configured (CMakeLists.txt fills in cmake/BuildInfo.cpp.in): where
// `cmake --install` puts the data, and the version of this build. Kept in one small generated
// source so that a new prefix or commit recompiles nothing else.

#include <string>

// PREFIX/share/brik: the floor image and the other run-time data.
extern const char* const kInstalledDataFolder;
// The same folder relative to PREFIX/bin.
extern const char* const kInstalledDataFromBinaries;

extern const char* const kBrikVersion;
// The commit the build was configured from ("unknown" outside a git checkout), with
// "-modified" when the working tree had uncommitted changes.
extern const char* const kBrikCommit;

// What --version prints: "brik 1.0.0 (commit 0123abcd)" for `program` "brik".
std::string versionLine(const std::string& program);
