#pragma once

// Bytes packed for a page's script: compressed with zlib's deflate (the zlib format, which
// browsers unpack with DecompressionStream("deflate")), then written as base64 text.

#include <string>

// False when zlib fails (out of memory).
bool deflatedBase64(const std::string& bytes, std::string* text);
