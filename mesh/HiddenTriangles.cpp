#include "mesh/HiddenTriangles.h"

#include <algorithm>
#include <cmath>

#include "model/PieceExtent.h"

namespace {
// Captured corners are single precision; faces closer than this coincide (brick units).
constexpr double kTolerance = 1e-4;

// Pieces whose drawing is a closed solid around every one of their body boxes. Round pieces
// (their box is the cylinder's square), windows, doors, fences and grilles (open frames) and
// the other irregular pieces are not.
bool enclosesItsBodyBoxes(PieceKind piece) {
    switch (piece) {
        case PieceKind::Plate:
        case PieceKind::FlatTile:
        case PieceKind::Brick:
        case PieceKind::CornerPlate:
        case PieceKind::CornerBrick:
        case PieceKind::RoofTile:
        case PieceKind::RoofTileInverted:
        case PieceKind::RidgedTile:
        case PieceKind::EndRidgedTile: return true;
        default: return false;
    }
}

// A turn about x or z keeps the boxes exact only in whole quarter turns.
bool turnKeepsBoxesExact(const Rotation& rotation) {
    return rotation.axis == 0 || std::fmod(rotation.degrees, 90.0) == 0;
}

struct Corner {
    double x, y, z;
};

// The occluding bodies bucketed by the square cells of the x-z plane their footprint covers,
// so that each triangle is tested against the few bodies around it. The grid spans the bodies'
// footprints in cells of one stud, or larger where that would need more than kMaxCells a side;
// a point outside it can lie in no body, and the cells at its edges hold what reaches beyond.
class BodyGrid {
public:
    explicit BodyGrid(const std::vector<BodyBox>& bodies) {
        if (bodies.empty()) return;
        double maxX = bodies.front().maxX, maxZ = bodies.front().maxZ;
        originX = bodies.front().minX;
        originZ = bodies.front().minZ;
        for (const BodyBox& box : bodies) {
            originX = std::min(originX, box.minX);
            originZ = std::min(originZ, box.minZ);
            maxX = std::max(maxX, box.maxX);
            maxZ = std::max(maxZ, box.maxZ);
        }
        cellSize = std::max(1.0, std::max(maxX - originX, maxZ - originZ) / kMaxCells);
        columns = cellOf(maxX, originX, kMaxCells) + 1;
        rows = cellOf(maxZ, originZ, kMaxCells) + 1;
        cells.resize(size_t(columns) * size_t(rows));
        for (size_t i = 0; i < bodies.size(); ++i) {
            const BodyBox& box = bodies[i];
            for (int x = column(box.minX); x <= column(box.maxX); ++x)
                for (int z = row(box.minZ); z <= row(box.maxZ); ++z)
                    cells[size_t(x) * size_t(rows) + size_t(z)].push_back(i);
        }
    }
    const std::vector<size_t>& around(double x, double z) const {
        static const std::vector<size_t> none;
        if (cells.empty()) return none;
        return cells[size_t(column(x)) * size_t(rows) + size_t(row(z))];
    }

private:
    static constexpr int kMaxCells = 512;
    int cellOf(double coordinate, double origin, int count) const {
        return std::clamp(static_cast<int>(std::floor((coordinate - origin) / cellSize)), 0,
                          count - 1);
    }
    int column(double x) const { return cellOf(x, originX, columns); }
    int row(double z) const { return cellOf(z, originZ, rows); }

    double originX = 0, originZ = 0, cellSize = 1;
    int columns = kMaxCells, rows = kMaxCells;
    std::vector<std::vector<size_t>> cells;
};

bool hiddenIn(const Corner (&corners)[3], const Corner& normal, const BodyBox& box) {
    const double minimum[3] = {box.minX, box.minY, box.minZ};
    const double maximum[3] = {box.maxX, box.maxY, box.maxZ};
    const double facing[3] = {normal.x, normal.y, normal.z};
    for (int axis = 0; axis < 3; ++axis) {
        bool onMinimum = true, onMaximum = true;
        for (const Corner& corner : corners) {
            const double value = axis == 0 ? corner.x : axis == 1 ? corner.y : corner.z;
            if (value < minimum[axis] - kTolerance || value > maximum[axis] + kTolerance)
                return false;
            onMinimum = onMinimum && value < minimum[axis] + kTolerance;
            onMaximum = onMaximum && value > maximum[axis] - kTolerance;
        }
        // In a face of the box: hidden only when its front looks into the box.
        if (onMinimum && !(facing[axis] > 0)) return false;
        if (onMaximum && !(facing[axis] < 0)) return false;
    }
    return true;
}
}  // namespace

std::vector<BodyBox> houseOccludingBodies(const Model& model) {
    std::vector<BodyBox> bodies;
    if (model.hasBasePlate())
        bodies.push_back(pieceBodyBoxes(model.basePlate.piece, model.basePlate.arguments).front());
    for (int map = 1; map <= model.layerCount(); ++map) {
        for (const PlacementInstance& placement : expandPlacements(model.layer(map))) {
            if (!enclosesItsBodyBoxes(placement.row->piece)) continue;
            if (!turnKeepsBoxesExact(placement.row->rotation)) continue;
            for (const BodyBox& box : placementBodyBoxes(placement)) bodies.push_back(box);
        }
    }
    // Into the frame the capture draws the model in.
    const CaptureOffset offset = captureOffset(model);
    for (BodyBox& body : bodies) {
        body.minX += offset.x;
        body.maxX += offset.x;
        body.minZ += offset.z;
        body.maxZ += offset.z;
    }
    return bodies;
}

std::vector<bool> findHiddenTriangles(const HouseMesh& mesh, const std::vector<BodyBox>& bodies) {
    const BodyGrid grid(bodies);
    std::vector<bool> hidden(mesh.triangles.size(), false);
    for (size_t t = 0; t < mesh.triangles.size(); ++t) {
        Corner corners[3];
        for (int k = 0; k < 3; ++k) {
            const float* p = mesh.triangles[t].corners[k].position;
            corners[k] = {p[0], p[1], p[2]};
        }
        // The front side by the winding (counter-clockwise seen from the front).
        const Corner u{corners[1].x - corners[0].x, corners[1].y - corners[0].y,
                       corners[1].z - corners[0].z};
        const Corner v{corners[2].x - corners[0].x, corners[2].y - corners[0].y,
                       corners[2].z - corners[0].z};
        const Corner normal{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
        const double centreX = (corners[0].x + corners[1].x + corners[2].x) / 3;
        const double centreZ = (corners[0].z + corners[1].z + corners[2].z) / 3;
        for (size_t body : grid.around(centreX, centreZ)) {
            if (hiddenIn(corners, normal, bodies[body])) {
                hidden[t] = true;
                break;
            }
        }
    }
    return hidden;
}
