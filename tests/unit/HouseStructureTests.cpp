// The house as solid bodies: each placement's body boxes (studs left out) in the house frame.
// Two structural rules hold for the whole model, so a mistyped coordinate or size in any of the
// forty tables shows up as a body that floats or one that passes into another:
// - every body rests on the base plate or on the top of another body, unless listed as held
//   another way;
// - no two bodies share volume beyond touching faces, unless listed.
// The lists below are the complete set of real exceptions in the tables, each with its reason.
// The rules are `brik check`'s (model/ModelCheck.h): these tests run its code on the house, so
// what it reports for the house is exactly the two lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/ModelCheck.h"
#include "model/PieceExtent.h"
#include "model/maps/LayerMaps.h"

namespace {
constexpr double kTouch = 1e-6;  // faces closer than this touch

using P = PieceKind;
using RowKey = std::pair<int, std::string>;  // (map, row label); map 0 is the base plate
using RowPair = std::pair<RowKey, RowKey>;   // in drawing order

// Bodies held by something other than what is below them. Not listed, because they do rest:
// the upright details on angular bricks (their lower edge on the brick's foot), the windows and
// doors (on their sills), and the left gutter of map 23 (on the plates of the jutting slope).
struct HeldBody {
    RowKey row;
    const char* reason;
};
// clang-format off
const HeldBody kHeldOtherwise[] = {
    {{4, "1h"},  "flower set 0.2 into round plate 1c below it (y +1, not +1.2)"},
    {{18, "8c"}, "upright round plate on the side stud of upright plate 8b"},
    {{22, "1b"}, "left gutter, hung 0.4 under the eave tile 1a"},
    {{22, "1c"}, "left gutter, hung 0.4 under the eave tile 1a"},
    {{22, "2b"}, "right gutter, hung 0.4 under the eave tile 2a"},
    {{22, "2c"}, "right gutter, hung 0.4 under the eave tile 2a"},
    {{23, "4"},  "right gutter continued, hung under the eave tiles of rows 5 and 6"},
    {{27, "1b"}, "vent grille stood upright on the angle plate's side studs"},
    {{27, "1c"}, "vent grille stood upright on the angle plate's side studs"},
};
// clang-format on

// Pairs of bodies that the tables make share volume, and how much.
enum class Verdict { Intended, Suspicious };
struct SharedVolume {
    RowPair rows;
    double volume;
    Verdict verdict;
    const char* reason;
};
// clang-format off
const SharedVolume kSharedVolumes[] = {
    {{{4, "1c"}, {4, "1h"}}, 0.2, Verdict::Intended,
     "the flower 1h is placed 0.2 lower than a plate stacked on 1c would be"},
    {{{12, "5"}, {12, "6"}}, 0.3, Verdict::Suspicious,
     "upright yellow plate at z 11.5, 0.3 inside the angular brick's face at z 11.8 "
     "(the other upright details start at their brick's face)"},
};
// clang-format on

using HouseBody = ModelBody;

struct Placed {
    int map;
    PlacementInstance instance;
};

std::vector<Placed> housePlacements() {
    std::vector<Placed> placed;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        for (const PlacementInstance& placement : expandPlacements(layerMap(map)))
            placed.push_back({map, placement});
    }
    return placed;
}

// The base plate first, then every placement in drawing order, as the check lists them.
std::vector<HouseBody> bodiesOf(const std::vector<Placed>& placed) {
    std::vector<HouseBody> bodies{
        {0, {&basePlatePlacement, 0, 0, 0, 0, 0, 0, basePlatePlacement.colour}, {basePlateBody()}}};
    for (const Placed& p : placed)
        bodies.push_back({p.map, p.instance, placementBodyBoxes(p.instance)});
    return bodies;
}

RowKey rowOf(const HouseBody& body) {
    return {body.layer, body.layer == 0 ? "base plate" : body.placement.row->row};
}

std::string describe(const RowKey& row) {
    return "map " + std::to_string(row.first) + " row " + row.second;
}

double overlapLength(double minA, double maxA, double minB, double maxB) {
    return std::min(maxA, maxB) - std::max(minA, minB);
}

// Touching faces with a common area, or a shared volume.
bool inContact(const HouseBody& a, const HouseBody& b) {
    for (const BodyBox& p : a.boxes)
        for (const BodyBox& q : b.boxes) {
            const double x = overlapLength(p.minX, p.maxX, q.minX, q.maxX);
            const double y = overlapLength(p.minY, p.maxY, q.minY, q.maxY);
            const double z = overlapLength(p.minZ, p.maxZ, q.minZ, q.maxZ);
            const int apart = (x < -kTouch) + (y < -kTouch) + (z < -kTouch);
            const int thin = (x < kTouch) + (y < kTouch) + (z < kTouch);
            if (apart == 0 && thin <= 1) return true;
        }
    return false;
}

std::set<RowKey> heldOtherwise() {
    std::set<RowKey> rows;
    for (const HeldBody& held : kHeldOtherwise) rows.insert(held.row);
    return rows;
}

// The rows of the bodies the check finds resting on nothing, the bodies in `held` counting
// as carried.
std::set<RowKey> floatingRows(const std::vector<HouseBody>& bodies, const std::set<RowKey>& held) {
    std::vector<bool> heldBodies;
    for (const HouseBody& body : bodies) heldBodies.push_back(held.count(rowOf(body)) > 0);
    std::set<RowKey> floating;
    for (size_t i : floatingBodies(bodies, heldBodies)) floating.insert(rowOf(bodies[i]));
    return floating;
}

// The row pairs of the bodies the check finds sharing volume, with the volume they share.
std::map<RowPair, double> sharedVolumes(const std::vector<HouseBody>& bodies) {
    std::map<RowPair, double> pairs;
    for (const Overlap& overlap : overlappingBodies(bodies))
        pairs[{rowOf(bodies[overlap.first]), rowOf(bodies[overlap.second])}] += overlap.volume;
    return pairs;
}

std::set<RowPair> overlappingRows(const std::vector<HouseBody>& bodies) {
    std::set<RowPair> pairs;
    for (const auto& [rows, volume] : sharedVolumes(bodies)) pairs.insert(rows);
    return pairs;
}

std::set<RowPair> listedOverlaps() {
    std::set<RowPair> pairs;
    for (const SharedVolume& shared : kSharedVolumes) pairs.insert(shared.rows);
    return pairs;
}

template <typename T>
std::set<T> without(const std::set<T>& all, const std::set<T>& removed) {
    std::set<T> rest;
    std::set_difference(all.begin(), all.end(), removed.begin(), removed.end(),
                        std::inserter(rest, rest.end()));
    return rest;
}

std::string listOf(const std::set<RowKey>& rows) {
    std::ostringstream text;
    for (const RowKey& row : rows) text << "\n  " << describe(row);
    return text.str();
}

std::string listOf(const std::set<RowPair>& pairs) {
    std::ostringstream text;
    for (const RowPair& pair : pairs)
        text << "\n  " << describe(pair.first) << " and " << describe(pair.second);
    return text.str();
}

BodyBox unionOf(const std::vector<BodyBox>& boxes) {
    BodyBox all = boxes.front();
    for (const BodyBox& box : boxes) {
        all.minX = std::min(all.minX, box.minX);
        all.minY = std::min(all.minY, box.minY);
        all.minZ = std::min(all.minZ, box.minZ);
        all.maxX = std::max(all.maxX, box.maxX);
        all.maxY = std::max(all.maxY, box.maxY);
        all.maxZ = std::max(all.maxZ, box.maxZ);
    }
    return all;
}

void expectBox(const BodyBox& box, const BodyBox& expected, const std::string& what) {
    EXPECT_NEAR(box.minX, expected.minX, 1e-9) << what;
    EXPECT_NEAR(box.minY, expected.minY, 1e-9) << what;
    EXPECT_NEAR(box.minZ, expected.minZ, 1e-9) << what;
    EXPECT_NEAR(box.maxX, expected.maxX, 1e-9) << what;
    EXPECT_NEAR(box.maxY, expected.maxY, 1e-9) << what;
    EXPECT_NEAR(box.maxZ, expected.maxZ, 1e-9) << what;
}

std::vector<BodyBox> boxesOf(PieceKind piece, double first = 0, double second = 0) {
    const double arguments[2] = {first, second};
    return pieceBodyBoxes(piece, arguments);
}

// Whether the point lies strictly inside one of the boxes.
bool fills(const std::vector<BodyBox>& boxes, double x, double y, double z) {
    for (const BodyBox& b : boxes)
        if (x > b.minX && x < b.maxX && y > b.minY && y < b.maxY && z > b.minZ && z < b.maxZ)
            return true;
    return false;
}

// The house with one non-loop row replaced by an edited copy; `storage` keeps the copy alive.
std::vector<HouseBody> houseWithMistype(int map, const std::string& label,
                                        const std::function<void(Placement&)>& edit,
                                        std::deque<Placement>& storage) {
    std::vector<Placed> placed = housePlacements();
    int edited = 0;
    for (Placed& p : placed) {
        if (p.map != map || label != p.instance.row->row) continue;
        storage.push_back(*p.instance.row);
        Placement& copy = storage.back();
        edit(copy);
        PlacementInstance& instance = p.instance;
        instance.houseX += copy.x.first - instance.x;
        instance.houseY += copy.y.first - instance.y;
        instance.houseZ += copy.z.first - instance.z;
        instance.x = copy.x.first;
        instance.y = copy.y.first;
        instance.z = copy.z.first;
        instance.row = &copy;
        ++edited;
    }
    EXPECT_EQ(edited, 1) << "map " << map << " row " << label << " is not one single placement";
    return bodiesOf(placed);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// Body boxes of single pieces

TEST(PieceExtent, RectangularAndRoundPiecesAreTheirBlockOrCell) {
    expectBox(boxesOf(P::Plate, 4, 1).at(0), {0, 0, 0, 4, 0.4, 1}, "plate 4 x 1");
    expectBox(boxesOf(P::FlatTile, 2, 6).at(0), {0, 0, 0, 2, 0.4, 6}, "flat tile 2 x 6");
    expectBox(boxesOf(P::Brick, 1, 8).at(0), {0, 0, 0, 1, 1.2, 8}, "brick 1 x 8");
    expectBox(boxesOf(P::RoundPlate).at(0), {0, 0, 0, 1, 0.4, 1}, "round plate");
    expectBox(boxesOf(P::RoundBrick).at(0), {0, 0, 0, 1, 1.2, 1}, "round brick");
    expectBox(basePlateBody(), {0, 0, 0, 32, 0.4, 32}, "base plate");
    EXPECT_TRUE(boxesOf(P::GroupOrigin).empty());
}

TEST(PieceExtent, CornerPiecesLeaveTheirMissingCellEmptyAtEveryAngle) {
    // Angle -> the empty cell of the 2 x 2 square; unrecognised angles draw unturned.
    const std::map<double, std::pair<int, int>> missing = {
        {0, {1, 1}},  {90, {1, 0}},  {180, {0, 0}}, {270, {0, 1}},
        {45, {1, 1}}, {360, {1, 1}}, {-90, {1, 1}}};
    for (PieceKind piece : {P::CornerPlate, P::CornerBrick}) {
        const double height = piece == P::CornerPlate ? 0.4 : 1.2;
        for (const auto& [angle, empty] : missing) {
            const std::vector<BodyBox> boxes = boxesOf(piece, angle);
            for (int i = 0; i < 2; ++i)
                for (int k = 0; k < 2; ++k) {
                    const bool expected = std::make_pair(i, k) != empty;
                    EXPECT_EQ(fills(boxes, i + 0.5, height - 0.01, k + 0.5), expected)
                        << pieceName(piece) << " at " << angle << ", cell (" << i << ", " << k
                        << ")";
                }
            EXPECT_FALSE(fills(boxes, 0.5, height + 0.01, 0.5)) << "studs are not body";
        }
    }
}

TEST(PieceExtent, SlopesAreFullHeightOnTheirBackHalfAndTurnTheSlopeToEachSide) {
    struct Case {
        double length, angle;
        double sizeX, sizeZ;
        double fullX, fullZ, slopeX, slopeZ;
    };
    // A point in the flat-topped half and one under the slope, 0.3 below the top.
    // clang-format off
    const Case cases[] = {
        {4, 0,   2, 4, 1.5, 2.0, 0.5, 2.0},   // slope looks towards -x
        {3, 90,  3, 2, 1.5, 0.5, 1.5, 1.5},   // towards +z
        {2, 180, 2, 2, 0.5, 1.0, 1.5, 1.0},   // towards +x
        {4, 270, 4, 2, 2.0, 1.5, 2.0, 0.5},   // towards -z
        {2, 45,  2, 2, 1.5, 1.0, 0.5, 1.0},   // unrecognised: unturned
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string what =
            "roof tile " + std::to_string(c.length) + " at " + std::to_string(c.angle);
        const std::vector<BodyBox> tile = boxesOf(P::RoofTile, c.length, c.angle);
        expectBox(unionOf(tile), {0, 0, 0, c.sizeX, 1.2, c.sizeZ}, what);
        EXPECT_TRUE(fills(tile, c.fullX, 0.9, c.fullZ)) << what;
        EXPECT_FALSE(fills(tile, c.slopeX, 0.9, c.slopeZ)) << what << ": under the slope's face";
        EXPECT_TRUE(fills(tile, c.slopeX, 0.1, c.slopeZ)) << what << ": the lip";

        // Turned over: the top is flat everywhere, the bottom only under the back half.
        const std::vector<BodyBox> inverted = boxesOf(P::RoofTileInverted, c.length, c.angle);
        expectBox(unionOf(inverted), {0, 0, 0, c.sizeX, 1.2, c.sizeZ}, "inverted " + what);
        EXPECT_TRUE(fills(inverted, c.slopeX, 1.1, c.slopeZ)) << "inverted " << what;
        EXPECT_FALSE(fills(inverted, c.slopeX, 0.3, c.slopeZ)) << "inverted " << what;
        EXPECT_TRUE(fills(inverted, c.fullX, 0.1, c.fullZ)) << "inverted " << what;
    }
}

TEST(PieceExtent, PiecesThatKnowOnlyNinetyDrawOtherAnglesUnturned) {
    for (double angle : {0.0, 180.0, 270.0}) {
        expectBox(unionOf(boxesOf(P::RadiatorGrile, angle)), {0, 0, 0, 1, 0.4, 2}, "grille");
        expectBox(unionOf(boxesOf(P::Fence, angle)), {0, 0, 0, 4, 2.4, 1}, "fence");
        expectBox(unionOf(boxesOf(P::MailBox, angle)), {0, 0, 0, 2, 1.6, 2}, "mailbox");
        const std::vector<BodyBox> ridge = boxesOf(P::RidgedTile, 4, angle);
        expectBox(unionOf(ridge), {0, 0, 0, 2, 0.7, 4}, "ridged tile");
        EXPECT_TRUE(fills(ridge, 1, 0.6, 3.9)) << "the ridge runs along z";
    }
    expectBox(unionOf(boxesOf(P::RadiatorGrile, 90)), {0, 0, 0, 2, 0.4, 1}, "grille at 90");
    expectBox(unionOf(boxesOf(P::Fence, 90)), {0, 0, 0, 1, 2.4, 4}, "fence at 90");
    const std::vector<BodyBox> ridge = boxesOf(P::RidgedTile, 2, 90);
    EXPECT_TRUE(fills(ridge, 1.9, 0.6, 1)) << "ridged tile at 90: the ridge runs along x at z 1";
    EXPECT_FALSE(fills(ridge, 1, 0.6, 1.9));
    // The mailbox's sloped block, x 0.5-1.5 and z 1-2 unturned, lies at x 1-2 and z 0.5-1.5 at 90.
    EXPECT_TRUE(fills(boxesOf(P::MailBox, 0), 0.75, 1.3, 1.25));
    EXPECT_FALSE(fills(boxesOf(P::MailBox, 90), 0.75, 1.3, 1.25));
    EXPECT_TRUE(fills(boxesOf(P::MailBox, 90), 1.25, 1.3, 0.75));
}

TEST(PieceExtent, SpecialPiecesKeepTheirPartsWhereTheirTurnPutsThem) {
    // Plate with slide at 180, length 8: x 0-1.45, the slide rail now on the +x side.
    const std::vector<BodyBox> slide = boxesOf(P::PlateWithSlide, 180, 8);
    expectBox(unionOf(slide), {0, 0, 0, 1.45, 0.4, 8}, "plate with slide at 180");
    EXPECT_TRUE(fills(slide, 1.2, 0.2, 4)) << "rail";
    EXPECT_FALSE(fills(slide, 1.2, 0.1, 4)) << "under the rail";
    EXPECT_TRUE(fills(slide, 1.4, 0.1, 4)) << "slide wall";
    expectBox(unionOf(boxesOf(P::PlateWithSlide, 90, 3)), {0, 0, 0, 3, 0.4, 1.45},
              "plate with slide at 90");

    // Angular brick: the body stands back 0.2 from its stud side (-x, at 90 +z), over a full foot.
    for (const auto& [angle, recess] : std::map<double, std::pair<double, double>>{
             {0, {0.1, 0.5}}, {90, {0.5, 0.9}}, {180, {0.9, 0.5}}, {270, {0.5, 0.1}}}) {
        const std::vector<BodyBox> brick = boxesOf(P::AngularBrick, angle);
        EXPECT_FALSE(fills(brick, recess.first, 0.7, recess.second))
            << "angular brick at " << angle;
        EXPECT_TRUE(fills(brick, recess.first, 0.1, recess.second)) << "angular brick at " << angle;
        EXPECT_TRUE(fills(brick, 1 - recess.first, 0.7, 1 - recess.second))
            << "angular brick at " << angle;
    }

    // Wall corner at 270: walls along x = 1 and z = 0 over a full slab.
    const std::vector<BodyBox> corner = boxesOf(P::WallCorner, 270);
    EXPECT_TRUE(fills(corner, 0.9, 1, 0.5));
    EXPECT_TRUE(fills(corner, 0.5, 1, 0.1));
    EXPECT_FALSE(fills(corner, 0.5, 1, 0.5));
    EXPECT_TRUE(fills(corner, 0.5, 0.2, 0.5));

    // Angle plate: standing plate at x 0-0.4, the top plate reaching to x 1.4; 2.0 high.
    const std::vector<BodyBox> bracket = boxesOf(P::AnglePlate, 0);
    expectBox(unionOf(bracket), {0, 0, 0, 1.4, 2.0, 2}, "angle plate");
    EXPECT_TRUE(fills(bracket, 1.3, 1.8, 1));
    EXPECT_FALSE(fills(bracket, 1.3, 1.0, 1));
    expectBox(unionOf(boxesOf(P::AnglePlate, 270)), {0, 0, 0, 2, 2.0, 1.4}, "angle plate at 270");

    // Window and door, 4 x 1 turned as 1 x 4 at 90 and 270.
    for (double angle : {0.0, 90.0, 180.0, 270.0}) {
        const bool across = angle == 90 || angle == 270;
        const double x = across ? 1 : 4;
        const double z = across ? 4 : 1;
        expectBox(unionOf(boxesOf(P::Window, angle)), {0, 0, 0, x, 3.6, z}, "window");
        expectBox(unionOf(boxesOf(P::Door, angle)), {0, 0, 0, x, 6.0, z}, "door");
    }
}

TEST(PieceExtent, BoxesOfOnePieceNeverShareVolumeAndStayInTheTurnedFootprint) {
    struct Sample {
        PieceKind piece;
        double first, second;
    };
    // clang-format off
    const Sample samples[] = {
        {P::CornerBrick, 0, 0}, {P::RoofTile, 3, 0}, {P::RoofTileInverted, 2, 0}, {P::RidgedTile, 4, 0},
        {P::EndRidgedTile, 0, 0}, {P::AngularBrick, 0, 0}, {P::PlateWithSlide, 0, 5},
        {P::WallCorner, 0, 0}, {P::AnglePlate, 0, 0}, {P::MailBox, 0, 0},
    };
    // clang-format on
    for (const Sample& s : samples) {
        const BodyBox unturned = unionOf(boxesOf(s.piece, s.first, s.second));
        for (double angle : {90.0, 180.0, 270.0}) {
            // The angle is the first argument, except for the slopes and ridges.
            const bool angleSecond = s.piece == P::RoofTile || s.piece == P::RoofTileInverted ||
                                     s.piece == P::RidgedTile;
            const std::vector<BodyBox> boxes =
                angleSecond ? boxesOf(s.piece, s.first, angle) : boxesOf(s.piece, angle, s.second);
            const std::string what =
                std::string(pieceName(s.piece)) + " at " + std::to_string(angle);
            for (std::size_t i = 0; i < boxes.size(); ++i)
                for (std::size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_LE(overlapVolume(boxes[i], boxes[j]), 0) << what;
            const BodyBox all = unionOf(boxes);
            EXPECT_NEAR(all.minX, 0, 1e-12) << what;
            EXPECT_NEAR(all.minZ, 0, 1e-12) << what;
            const bool ninetyOnly = s.piece == P::RidgedTile || s.piece == P::MailBox;
            const bool turned = !ninetyOnly || angle == 90;
            const bool across = turned && angle != 180;
            EXPECT_NEAR(all.maxX, across ? unturned.maxZ : unturned.maxX, 1e-12) << what;
            EXPECT_NEAR(all.maxZ, across ? unturned.maxX : unturned.maxZ, 1e-12) << what;
            EXPECT_NEAR(all.maxY, unturned.maxY, 1e-12) << what;
        }
    }
}

TEST(PieceExtent, PlacementTurnsAboutXOrZThroughThePlacementPointThenMoves) {
    using C = PaletteColour;
    const Placement uprightAboutX{"12",   P::RoundPlate, {},       C::Black,
                                  at(27), at(5.6),       at(20.8), aboutX(90)};
    PlacementInstance instance{&uprightAboutX, 27, 5.6, 20.8, 27, 5.6, 20.8, C::Black};
    expectBox(placementBodyBoxes(instance).at(0), {27, 4.6, 20.8, 28, 5.6, 21.2}, "about x by 90");

    const Placement uprightAboutZ{"3",      P::RoundPlate, {},     C::Green,
                                  at(19.2), at(1.8),       at(13), aboutZ(90)};
    instance = {&uprightAboutZ, 19.2, 1.8, 13, 19.2, 1.8, 13, C::Green};
    expectBox(placementBodyBoxes(instance).at(0), {18.8, 1.8, 13, 19.2, 2.8, 14}, "about z by 90");

    const Placement backwards{"x", P::Plate, {2, 1}, C::White, at(0), at(0), at(0), aboutZ(-90)};
    instance = {&backwards, 0, 0, 0, 5, 1, 5, C::White};
    expectBox(placementBodyBoxes(instance).at(0), {5, -1, 5, 5.4, 1, 6}, "about z by -90");

    // A group offset: the house point is what counts.
    const Placement grille{"1b",  P::RadiatorGrile, {0}, C::LightGrey, at(0), at(1),
                           at(0), aboutZ(90)};
    instance = {&grille, 0, 1, 0, 1.6, 11, 6, C::LightGrey};
    expectBox(placementBodyBoxes(instance).at(0), {1.2, 11, 6, 1.6, 12, 8}, "upright grille");
}

TEST(PieceExtent, OverlapMeasuresIgnoreTouchingFaces) {
    const BodyBox a{0, 0, 0, 2, 1.2, 1};
    EXPECT_EQ(overlapVolume(a, {2, 0, 0, 3, 1.2, 1}), 0);
    EXPECT_EQ(overlapVolume(a, {0, 1.2, 0, 2, 1.6, 1}), 0);
    EXPECT_EQ(footprintOverlapArea(a, {0, 1.2, 0, 2, 1.6, 1}), 2);
    EXPECT_NEAR(overlapVolume(a, {1.5, 1.0, 0.5, 4, 2, 4}), 0.5 * 0.2 * 0.5, 1e-12);
    EXPECT_EQ(footprintOverlapArea(a, {5, 0, 5, 6, 1, 6}), 0);
}

// ---------------------------------------------------------------------------------------------
// The whole house

TEST(HouseStructure, FortyMapsPlace489PiecesOnTheBasePlate) {
    const std::vector<Placed> placed = housePlacements();
    EXPECT_EQ(placed.size(), 489u);
    std::set<int> maps;
    for (const Placed& p : placed) maps.insert(p.map);
    EXPECT_EQ(maps.size(), 40u) << "every map places something";
    for (const HouseBody& body : bodiesOf(placed))
        EXPECT_FALSE(body.boxes.empty()) << describe(rowOf(body)) << " has no body";
}

TEST(HouseStructure, HouseFillsTheBasePlateUpToTheChimneyCap) {
    std::vector<BodyBox> all;
    for (const HouseBody& body : bodiesOf(housePlacements()))
        all.insert(all.end(), body.boxes.begin(), body.boxes.end());
    // x reaches 32.45: the right gutter overhangs the eave at x 32 by its slide, as the left
    // gutter overhangs the eave at x 18 (17.55). The top is the main chimney's cap of round plates.
    expectBox(unionOf(all), {0, 0, 0, 32.45, 21.2, 32}, "the whole house");
}

TEST(HouseStructure, OnlyTheRightGutterLeavesTheBasePlateAndOnlyTheCapReachesTheTop) {
    std::set<RowKey> outside;
    std::set<RowKey> highest;
    for (const HouseBody& body : bodiesOf(housePlacements()))
        for (const BodyBox& box : body.boxes) {
            if (box.minX < 0 || box.minZ < 0 || box.maxX > 32 + kTouch || box.maxZ > 32 + kTouch)
                outside.insert(rowOf(body));
            if (box.maxY > 21.2 - kTouch) highest.insert(rowOf(body));
        }
    EXPECT_EQ(outside, (std::set<RowKey>{{22, "2b"}, {22, "2c"}, {23, "4"}})) << listOf(outside);
    EXPECT_EQ(highest, (std::set<RowKey>{{33, "2"}, {33, "4"}, {33, "6"}, {33, "8"}}))
        << listOf(highest);
}

TEST(HouseStructure, NothingFloats) {
    const std::vector<HouseBody> bodies = modelBodiesInOrder(houseModel());
    const std::set<RowKey> floating = floatingRows(bodies, heldOtherwise());
    EXPECT_TRUE(floating.empty()) << "bodies resting on nothing:" << listOf(floating);

    // The exceptions are all needed, and each is still attached to a carried body.
    const std::set<RowKey> unlisted = floatingRows(bodies, {});
    EXPECT_EQ(unlisted, heldOtherwise()) << "floating without the list:" << listOf(unlisted);
    for (const HeldBody& held : kHeldOtherwise) {
        bool attached = false;
        for (const HouseBody& self : bodies) {
            if (rowOf(self) != held.row) continue;
            for (const HouseBody& other : bodies)
                attached =
                    attached || (unlisted.count(rowOf(other)) == 0 && inContact(self, other));
        }
        EXPECT_TRUE(attached) << describe(held.row) << " touches no carried body (" << held.reason
                              << ")";
    }
}

TEST(HouseStructure, NoTwoBodiesShareVolumeBeyondTheListedOnes) {
    const std::vector<HouseBody> bodies = modelBodiesInOrder(houseModel());
    const std::set<RowPair> overlapping = overlappingRows(bodies);
    const std::set<RowPair> listed = listedOverlaps();
    EXPECT_TRUE(without(overlapping, listed).empty())
        << "bodies passing into each other:" << listOf(without(overlapping, listed));
    EXPECT_TRUE(without(listed, overlapping).empty())
        << "listed but no longer overlapping:" << listOf(without(listed, overlapping));
    const std::map<RowPair, double> volumes = sharedVolumes(bodies);
    for (const SharedVolume& shared : kSharedVolumes) {
        const auto found = volumes.find(shared.rows);
        EXPECT_NEAR(found == volumes.end() ? 0 : found->second, shared.volume, 1e-9)
            << describe(shared.rows.first) << " and " << describe(shared.rows.second) << ": "
            << shared.reason;
    }
}

TEST(HouseStructure, AMistypedRowShowsAsAFloatingOrOverlappingBody) {
    struct Mistype {
        int map;
        const char* row;
        std::function<void(Placement&)> edit;
        const char* what;
    };
    // clang-format off
    const Mistype mistypes[] = {
        {10, "1", [](Placement& r) { r.y = at(r.y.first + 1.2); }, "wing wall brick one course too high"},
        {13, "10", [](Placement& r) { r.y = at(r.y.first - 1.2); }, "main wall brick one course too low"},
        {3, "1", [](Placement& r) { r.arguments[0] = 9; }, "brick 8 long typed 9"},
        {16, "1", [](Placement& r) { r.arguments[1] = 3; }, "ceiling plate 2 wide typed 3"},
        {31, "4", [](Placement& r) { r.x = at(24); }, "top roof row tile a stud towards the ridge"},
        {14, "5", [](Placement& r) { r.y = at(0.4); }, "door one plate too low"},
        {35, "10", [](Placement& r) { r.y = at(3.2); }, "mailbox above its post"},
        {40, "1g", [](Placement& r) { r.x = at(+1); }, "tree crown brick a stud off inside its group"},
    };
    // clang-format on
    const std::set<RowKey> held = heldOtherwise();
    const std::set<RowPair> listed = listedOverlaps();
    for (const Mistype& m : mistypes) {
        std::deque<Placement> storage;
        const std::vector<HouseBody> bodies = houseWithMistype(m.map, m.row, m.edit, storage);
        const std::set<RowKey> floating = floatingRows(bodies, held);
        const std::set<RowPair> overlapping = without(overlappingRows(bodies), listed);
        const RowKey row{m.map, m.row};
        bool named = floating.count(row) > 0;
        for (const RowPair& pair : overlapping)
            named = named || pair.first == row || pair.second == row;
        EXPECT_TRUE(named) << m.what << " (" << describe(row) << ") goes unnoticed";
    }
}
