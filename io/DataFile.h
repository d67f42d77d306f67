#pragma once

// Where the programs find the files they read at run time (the floor image): the working
// directory first, as always; then the installed data folder (PREFIX/share/brik, fixed when
// the build was configured); then the same folder beside the running program's own bin/
// folder (an installed copy moved elsewhere, or one staged under DESTDIR); then the images/
// folder beside the program in a build tree.

#include <string>
#include <vector>

// The data files the programs need, by the name they have in each place.
constexpr const char* kFloorImageName = "Floor.rgb";

// Every path where `name` is looked for, in order, without repeats.
std::vector<std::string> dataFileCandidates(const std::string& name);

// The first candidate that exists as a regular file. Otherwise false, with `why` one line naming
// the file and every place looked.
bool findDataFile(const std::string& name, std::string* path, std::string* why);
