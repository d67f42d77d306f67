#include "cli/OptionValues.h"

#include <charconv>
#include <cmath>

namespace {
std::string quoted(const std::string& text) { return "'" + text + "'"; }

// A decimal number; false unless all of `text` is the number.
template <typename Number>
bool wholeTextIsNumber(const std::string& text, Number* number) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, *number);
    return !text.empty() && fault == std::errc() && stop == end;
}
}  // namespace

bool parseWholeNumber(const std::string& text, long minimum, long maximum, long* value,
                      std::string* why) {
    long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, number);
    if (text.empty() || fault == std::errc::invalid_argument || stop != end) {
        *why = quoted(text) + " is not a whole number";
        return false;
    }
    if (fault == std::errc::result_out_of_range || number < minimum || number > maximum) {
        *why = quoted(text) + " is out of range (" + std::to_string(minimum) + " to " +
               std::to_string(maximum) + ")";
        return false;
    }
    *value = number;
    return true;
}

bool parseFiniteNumber(const std::string& text, double* value, std::string* why) {
    if (!wholeTextIsNumber(text, value) || !std::isfinite(*value)) {
        *why = quoted(text) + " is not a finite number";
        return false;
    }
    return true;
}

bool parseImageSize(const std::string& text, ImageSize* size, std::string* why) {
    const size_t cross = text.find('x');
    long width = 0, height = 0;
    std::string unused;
    const std::string range = "1 to " + std::to_string(kMaxImageSide);
    if (cross == std::string::npos ||
        !parseWholeNumber(text.substr(0, cross), 1, kMaxImageSide, &width, &unused) ||
        !parseWholeNumber(text.substr(cross + 1), 1, kMaxImageSide, &height, &unused)) {
        *why = quoted(text) + " is not WIDTHxHEIGHT with each side " + range + " pixels";
        return false;
    }
    *size = {int(width), int(height)};
    return true;
}

bool parsePoint(const std::string& text, VECTOR3D* point, std::string* why) {
    float coordinates[3];
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t comma = i < 2 ? text.find(',', start) : text.size();
        if (comma == std::string::npos ||
            !wholeTextIsNumber(text.substr(start, comma - start), &coordinates[i]) ||
            (i == 2 && text.find(',', start) != std::string::npos)) {
            *why = quoted(text) + " is not x,y,z (three numbers)";
            return false;
        }
        if (!std::isfinite(coordinates[i])) {
            *why = quoted(text) + " has a coordinate that is not a finite number";
            return false;
        }
        start = comma + 1;
    }
    *point = VECTOR3D(coordinates[0], coordinates[1], coordinates[2]);
    return true;
}
