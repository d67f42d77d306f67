#pragma once

// The 3D guide's fixed files (its page, its script, the WebGL library and that library's
// licence), built into the program from instructions/guide3d/ by tools/embed-files.cmake so
// that brik writes them from any working directory and when installed.

#include <cstddef>

struct EmbeddedFile {
    const char* name;            // the file's base name: "3d.html"
    const unsigned char* bytes;  // static storage
    size_t size;
};

extern const EmbeddedFile kGuide3DAssets[];
extern const size_t kGuide3DAssetsCount;
