#include "instructions/PackedBytes.h"

#include <zlib.h>

#include <vector>

namespace {
std::string base64(const std::vector<unsigned char>& bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        const unsigned long group = (unsigned long)bytes[i] << 16 |
                                    (left > 1 ? (unsigned long)bytes[i + 1] << 8 : 0) |
                                    (left > 2 ? bytes[i + 2] : 0);
        text += digits[group >> 18 & 63];
        text += digits[group >> 12 & 63];
        text += left > 1 ? digits[group >> 6 & 63] : '=';
        text += left > 2 ? digits[group & 63] : '=';
    }
    return text;
}
}  // namespace

bool deflatedBase64(const std::string& bytes, std::string* text) {
    uLongf size = compressBound(uLong(bytes.size()));
    std::vector<unsigned char> packed(size);
    if (compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                  uLong(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    packed.resize(size);
    *text = base64(packed);
    return true;
}
