#pragma once

// Model files: a model as plain UTF-8 text, the format docs/model-format.md describes. Reading
// checks everything a person can get wrong and stops at the first fault; a model read is whole
// and valid (sizes, angles, colours, ranges and labels as the placement tables need them). No
// OpenGL here.

#include <string>
#include <string_view>

#include "model/Model.h"

// Limits a model file keeps to (the format's document states them).
constexpr long kMaxModelFileBytes = 4L * 1024 * 1024;
constexpr long kMaxModelPieces = 100000;  // placements after ranges are expanded
constexpr int kMaxModelSteps = 1000;
constexpr int kMaxRangeValues = 1000;    // values of one range
constexpr double kMaxCoordinate = 1000;  // |x|, |y|, |z| and a group's origin, brick units
constexpr int kMaxPieceSize = 32;        // studs, a piece's size argument
constexpr int kMaxBasePlateSize = 128;   // studs, each side of the base plate
constexpr double kMaxTurnDegrees = 360;  // |degrees| of a turn about x or z
constexpr std::size_t kMaxLabelLength = 32;
constexpr std::size_t kMaxTitleLength = 400;

// Parses `text`, naming it `name` in messages. On success fills *model (which then owns its
// tables) and returns true; otherwise leaves *model alone, sets *error to one line
// "NAME:LINE:COLUMN: what is wrong" and returns false.
bool parseModel(std::string_view text, const std::string& name, Model* model, std::string* error);

// Reads and parses the file at `path` (named so in messages); a file that cannot be read or is
// larger than kMaxModelFileBytes is refused with "PATH: why".
bool readModelFile(const std::string& path, Model* model, std::string* error);

// The model as text in the format: parseModel of it gives tables equal to the model's, row for
// row. Titles lose any '#' and line breaks (the format has no room for them).
std::string modelText(const Model& model);
