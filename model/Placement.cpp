#include "model/Placement.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"

const char* pieceName(PieceKind piece) { return pieceKindInfo(piece).methodName; }

BrikColor paletteColour(const BrikVantaHouse& house, PaletteColour colour) {
    switch (colour) {
        case PaletteColour::White: return house.colorWhite;
        case PaletteColour::Tan: return house.colorTan;
        case PaletteColour::Red: return house.colorRed;
        case PaletteColour::Yellow: return house.colorYellow;
        case PaletteColour::Black: return house.colorBlack;
        case PaletteColour::Green: return house.colorGreen;
        case PaletteColour::Lime: return house.colorLime;
        case PaletteColour::Brown: return house.colorBrown;
        case PaletteColour::LightGrey: return house.colorLightGrey;
        case PaletteColour::DarkGrey: return house.colorDarkGrey;
        case PaletteColour::OwnColours:
        case PaletteColour::ByParity: break;
    }
    return BrikColor();
}

BrikColor drawingColour(const BrikVantaHouse& house, PaletteColour colour,
                        const std::vector<ModelColour>& modelColours) {
    const std::size_t index = static_cast<std::size_t>(colour) - kFirstModelColour;
    if (static_cast<int>(colour) < kFirstModelColour || index >= modelColours.size())
        return paletteColour(house, colour);
    BrikColor rgb;
    rgb.setColor(modelColours[index].red, modelColours[index].green, modelColours[index].blue);
    return rgb;
}

std::string placementSize(const Placement& row) {
    std::vector<long> sizes;
    for (int i = 0; i < 2; ++i)
        if (pieceKindInfo(row.piece).arguments[i] == ArgumentRole::Size)
            sizes.push_back(std::lround(row.arguments[i]));
    std::sort(sizes.begin(), sizes.end());
    std::string text;
    for (const long size : sizes) text += (text.empty() ? "" : "x") + std::to_string(size);
    return text;
}

int Coordinate::count() const {
    if (step <= 0 || last < first) return 1;
    return static_cast<int>(std::lround((last - first) / step)) + 1;
}

bool belongsToGroup(const char* row, const char* groupRow) {
    const std::size_t length = std::strlen(groupRow);
    return std::strncmp(row, groupRow, length) == 0 && row[length] >= 'a' && row[length] <= 'z' &&
           row[length + 1] == '\0';
}

namespace {
PaletteColour resolveColour(PaletteColour colour, double houseX, double houseZ) {
    if (colour != PaletteColour::ByParity) return colour;
    const long sum = std::lround(houseX + houseZ);
    return sum % 2 == 0 ? PaletteColour::LightGrey : PaletteColour::DarkGrey;
}

void visitRow(const Placement& row, const double origin[3], PlacementVisitor& visitor) {
    for (int i = 0; i < row.x.count(); ++i) {
        for (int k = 0; k < row.z.count(); ++k) {
            for (int j = 0; j < row.y.count(); ++j) {
                PlacementInstance instance;
                instance.row = &row;
                instance.x = row.x.value(i);
                instance.y = row.y.value(j);
                instance.z = row.z.value(k);
                instance.houseX = origin[0] + instance.x;
                instance.houseY = origin[1] + instance.y;
                instance.houseZ = origin[2] + instance.z;
                instance.colour = resolveColour(row.colour, instance.houseX, instance.houseZ);
                visitor.place(instance);
            }
        }
    }
}
}  // namespace

void visitPlacements(const PlacementTable& table, PlacementVisitor& visitor) {
    const double houseOrigin[3] = {0, 0, 0};
    int index = 0;
    while (index < table.rowCount) {
        const Placement& row = table.rows[index++];
        if (row.piece != PieceKind::GroupOrigin) {
            visitRow(row, houseOrigin, visitor);
            continue;
        }
        const double groupOrigin[3] = {row.x.first, row.y.first, row.z.first};
        visitor.openGroup(row);
        while (index < table.rowCount && belongsToGroup(table.rows[index].row, row.row)) {
            visitRow(table.rows[index++], groupOrigin, visitor);
        }
        visitor.closeGroup();
    }
}

void drawPiece(BrikVantaHouse& house, PieceKind piece, const double arguments[2],
               BrikColor colour) {
    const PieceKindInfo& kind = pieceKindInfo(piece);
    if (kind.draw != nullptr) kind.draw(house, arguments, colour);
}

std::vector<PlacementInstance> expandPlacements(const PlacementTable& table) {
    class Collector : public PlacementVisitor {
    public:
        void place(const PlacementInstance& placement) override { placements.push_back(placement); }
        std::vector<PlacementInstance> placements;
    } collector;
    visitPlacements(table, collector);
    return collector.placements;
}

namespace {
class DrawingVisitor : public PlacementVisitor {
public:
    DrawingVisitor(BrikVantaHouse& drawingHouse, int map, const std::vector<ModelColour>& colours)
        : house(drawingHouse), mapNumber(map), modelColours(colours) {}

    void openGroup(const Placement& origin) override {
        drawTarget().pushMatrix();
        drawTarget().translate(origin.x.first, origin.y.first, origin.z.first);
    }
    void place(const PlacementInstance& placement) override {
        const Placement& row = *placement.row;
        instance = &row == lastRow ? instance + 1 : 0;
        lastRow = &row;
        drawTarget().beginPlacement(
            {mapNumber, row.row, row.piece, placement.colour, instance, &row});
        drawTarget().pushMatrix();
        drawTarget().translate(placement.x, placement.y, placement.z);
        if (row.rotation.axis == 'x') drawTarget().rotate(row.rotation.degrees, 1, 0, 0);
        if (row.rotation.axis == 'z') drawTarget().rotate(row.rotation.degrees, 0, 0, 1);
        drawPiece(house, row.piece, row.arguments,
                  drawingColour(house, placement.colour, modelColours));
        drawTarget().popMatrix();
        drawTarget().endPlacement();
    }
    void closeGroup() override { drawTarget().popMatrix(); }

private:
    BrikVantaHouse& house;
    int mapNumber;
    const std::vector<ModelColour>& modelColours;
    const Placement* lastRow = nullptr;
    int instance = 0;
};
}  // namespace

void drawPlacements(BrikVantaHouse& house, const PlacementTable& table, int mapNumber,
                    const std::vector<ModelColour>& modelColours) {
    DrawingVisitor visitor(house, mapNumber, modelColours);
    visitPlacements(table, visitor);
}
