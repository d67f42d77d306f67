#pragma once

// Placement tables: the layer maps of the house as data. One `Placement` is one row of a
// map table, in the house frame (brick units, origin at the base plate's lower corner).
//
// - A row whose piece is `PieceKind::GroupOrigin` opens a group: the rows that follow
//   and are labelled with its number and a letter ("1" then "1a", "1b", ...) are placed
//   at offsets from the group origin; the group ends at the first row not so labelled.
// - A coordinate may be a range (first to last, both included, by step): the row then
//   stands for one placement per value; with two ranges, x is the outer loop.
// - Every placement starts from the house frame (or its group origin): translate, turn
//   about x or z if the row says so, draw the piece, restore the matrix.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Palette.h"
#include "model/PieceKinds.h"

class BrikColor;
class BrikVantaHouse;

// The method name of a piece kind ("drawSolidPlate"), or "group origin".
const char* pieceName(PieceKind piece);

// The house's copy of a palette colour (model/Palette.h); black for OwnColours and ByParity.
BrikColor paletteColour(const BrikVantaHouse& house, PaletteColour colour);

// One coordinate of a row: a single value, or a range first..last by step.
struct Coordinate {
    double first;
    double last;
    double step;  // 0 for a single value

    // The number of values, counted in whole steps so that rounding cannot add or drop one.
    int count() const;
    double value(int index) const { return first + index * step; }
};
constexpr Coordinate at(double value) { return {value, value, 0}; }
constexpr Coordinate range(double first, double last, double step) { return {first, last, step}; }

// A turn about the x or z axis through the placement point, after the translation.
struct Rotation {
    char axis;       // 0 for none, 'x' or 'z'
    double degrees;  // counter-clockwise seen from the positive end of the axis
};
constexpr Rotation noTurn{0, 0};
constexpr Rotation aboutX(double degrees) { return {'x', degrees}; }
constexpr Rotation aboutZ(double degrees) { return {'z', degrees}; }

struct Placement {
    const char* row;  // the row label: "3", or "1a" inside group 1
    PieceKind piece;
    double arguments[2];  // the piece's arguments before its colour, in call order
    PaletteColour colour;
    Coordinate x, y, z;  // offsets from the group origin inside a group
    Rotation rotation;
};

struct PlacementTable {
    const Placement* rows;
    int rowCount;
};

template <int N>
constexpr PlacementTable tableOf(const Placement (&rows)[N]) {
    return {rows, N};
}

// Whether row label `row` belongs to the group opened by the row labelled `groupRow`: the group's
// label and one letter a-z ("1a" for "1").
bool belongsToGroup(const char* row, const char* groupRow);

// One expanded placement: a loop value chosen, the group origin known.
struct PlacementInstance {
    const Placement* row;
    double x, y, z;                 // the row's translation (an offset inside a group)
    double houseX, houseY, houseZ;  // the same point in the house frame
    PaletteColour colour;           // parity already resolved
};

// Walks a table in drawing order, expanding loop rows and groups.
class PlacementVisitor {
public:
    virtual ~PlacementVisitor() = default;
    virtual void openGroup(const Placement& /*origin*/) {}
    virtual void place(const PlacementInstance& placement) = 0;
    virtual void closeGroup() {}
};
void visitPlacements(const PlacementTable& table, PlacementVisitor& visitor);

// Every placement of a table in drawing order (group origins are not placements).
std::vector<PlacementInstance> expandPlacements(const PlacementTable& table);

// A row's size arguments joined by "x", smaller first ("2x4"); "" when its kind has none.
std::string placementSize(const Placement& row);

// Calls the piece method of a row with its arguments and colour.
void drawPiece(BrikVantaHouse& house, PieceKind piece, const double arguments[2], BrikColor colour);

// Draws a whole table: each placement inside its own save/restore of the matrix, announced to
// the draw target with its tag (`mapNumber` 1-40 for a layer map, 0 for other tables).
// `modelColours` are the colours modelColour(0), ... stand for (model/Palette.h).
void drawPlacements(BrikVantaHouse& house, const PlacementTable& table, int mapNumber = 0,
                    const std::vector<ModelColour>& modelColours = {});

// The colour to draw: the house's copy of a palette colour, or one of `modelColours`.
BrikColor drawingColour(const BrikVantaHouse& house, PaletteColour colour,
                        const std::vector<ModelColour>& modelColours);
