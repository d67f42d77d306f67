#include "io/DataFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "io/BuildInfo.h"

namespace fs = std::filesystem;

namespace {
// The folder holding the running executable; empty when the system does not say.
fs::path executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}
}  // namespace

std::vector<std::string> dataFileCandidates(const std::string& name) {
    std::vector<std::string> candidates = {"images/" + name,
                                           std::string(kInstalledDataFolder) + "/" + name};
    const fs::path beside = executableFolder();
    if (!beside.empty()) {
        candidates.push_back(
            (beside / kInstalledDataFromBinaries / name).lexically_normal().string());
        candidates.push_back((beside / "images" / name).string());
    }
    std::vector<std::string> unique;
    for (const std::string& candidate : candidates)
        if (std::find(unique.begin(), unique.end(), candidate) == unique.end())
            unique.push_back(candidate);
    return unique;
}

bool findDataFile(const std::string& name, std::string* path, std::string* why) {
    const std::vector<std::string> candidates = dataFileCandidates(name);
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            *path = candidate;
            return true;
        }
    }
    std::string places;
    for (const std::string& candidate : candidates)
        places += (places.empty() ? "" : ", ") + candidate;
    *why = name + ": not found; looked in " + places;
    return false;
}
