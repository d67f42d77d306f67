#pragma once

// Checked conversions for option values: the whole text must be the value, numbers must fit
// their range, and a refusal says why in words that complete "--option: ...".

#include <CLI/CLI.hpp>

#include <string>

#include "maths/Maths.h"

struct ImageSize {
    int width;
    int height;
};

constexpr int kMaxImageSide = 16384;  // pixels; larger frames exceed what Mesa renders

// A whole decimal number in [minimum, maximum]; no sign other than a leading '-', no spaces.
bool parseWholeNumber(const std::string& text, long minimum, long maximum, long* value,
                      std::string* why);

// A finite decimal number.
bool parseFiniteNumber(const std::string& text, double* value, std::string* why);

// WIDTHxHEIGHT, each 1..kMaxImageSide.
bool parseImageSize(const std::string& text, ImageSize* size, std::string* why);

// x,y,z: three finite decimal numbers.
bool parsePoint(const std::string& text, VECTOR3D* point, std::string* why);

// Adds an option whose text `parse` converts into *value during the parse; a refusal stops
// the parse with "--name: why".
template <typename T>
CLI::Option* addCheckedOption(CLI::App& app, const std::string& name, T* value,
                              bool (*parse)(const std::string&, T*, std::string*),
                              const std::string& description) {
    const std::string longName = name.substr(name.rfind(',') + 1);
    return app.add_option_function<std::string>(
        name,
        [=](const std::string& text) {
            std::string why;
            if (!parse(text, value, &why)) throw CLI::ValidationError(longName, why);
        },
        description);
}
