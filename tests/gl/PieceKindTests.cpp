// Every piece kind against its row in the one list of kinds: what the row's draw call puts on
// screen, studs aside, fills exactly the bounds of the row's body boxes, at every turn and at
// an angle the piece does not recognise. The drawing and the structural description of a
// piece cannot drift apart unnoticed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "model/PieceExtent.h"
#include "support/PieceProbes.h"

namespace piece_kind_test {
namespace {
using namespace piece_probes;

constexpr double kTolerance = 1e-4;

// The triangles left once every stud is taken out: a stud is a 0.3-radius prism, so all its
// vertices lie within 0.3 of one of its two disc centres; no body triangle does.
Polygons withoutStuds(const Polygons& polygons) {
    const std::vector<Vec3> discs = studDiscCentres(polygons, kTolerance);
    const auto onStud = [&](const FeedbackVertex& v) {
        return std::any_of(discs.begin(), discs.end(), [&](const Vec3& c) {
            return std::hypot(v.x - c[0], v.y - c[1], v.z - c[2]) < 0.3 + kTolerance;
        });
    };
    return polygonsWhere(polygons, [&](const FeedbackVertex& v) { return !onStud(v); });
}

Bounds unionOf(const std::vector<BodyBox>& boxes) {
    const double inf = INFINITY;
    Bounds bounds{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const BodyBox& b : boxes) {
        const double low[3] = {b.minX, b.minY, b.minZ};
        const double high[3] = {b.maxX, b.maxY, b.maxZ};
        for (int axis = 0; axis < 3; ++axis) {
            bounds.min[axis] = std::min(bounds.min[axis], low[axis]);
            bounds.max[axis] = std::max(bounds.max[axis], high[axis]);
        }
    }
    return bounds;
}

// Where the two descriptions knowingly differ: the drawing stays `sideInset` inside the
// boxes on both sides of the piece's unturned z (its depth), and rises `topExcess` above them.
struct Allowance {
    PieceKind kind;
    double sideInset;
    double topExcess;
    const char* why;
};
const double kDecagonInset = 0.5 - 0.5 * std::sin(2 * kPi / 5);  // a 0.5-radius decagon's flats
const Allowance kAllowances[] = {
    {PieceKind::RoundPlate, kDecagonInset, 0,
     "the body is a decagon: corners reach x, flats not z"},
    {PieceKind::RoundBrick, kDecagonInset, 0,
     "the body is a decagon: corners reach x, flats not z"},
    {PieceKind::Door, kDecagonInset, 0, "the door stays inside the front and back of its cell"},
    {PieceKind::RidgedTile, 0, 0.5, "the boxes keep under the slopes; the ridge rises 0.5 more"},
    {PieceKind::EndRidgedTile, 0, 0.5, "the boxes keep under the slopes; the ridge rises 0.5 more"},
};

Allowance allowanceFor(PieceKind kind) {
    for (const Allowance& a : kAllowances)
        if (a.kind == kind) return a;
    return {kind, 0, 0, ""};
}

// Sizes for the size arguments (x then z) and each angle for the angle argument.
std::vector<std::vector<double>> argumentSets(const PieceKindInfo& kind) {
    const double sizes[2] = {2, 3};
    std::vector<double> angles = {0};
    for (ArgumentRole role : kind.arguments)
        if (role == ArgumentRole::Angle) angles = {0, 90, 180, 270, 45};
    std::vector<std::vector<double>> sets;
    for (double angle : angles) {
        std::vector<double> arguments(2, 0.0);
        int size = 0;
        for (int i = 0; i < 2; ++i) {
            if (kind.arguments[i] == ArgumentRole::Size) arguments[i] = sizes[size++];
            if (kind.arguments[i] == ArgumentRole::Angle) arguments[i] = angle;
        }
        sets.push_back(arguments);
    }
    return sets;
}
}  // namespace

TEST(PieceKinds, DrawnBoundsStudsAsideAreTheBodyBoxesAtEveryAngle) {
    BrikVantaHouse house;
    const BrikColor colour = makeColour(196, 40, 27);
    for (const PieceKindInfo& kind : allPieceKinds()) {
        if (kind.draw == nullptr) continue;  // the group origin draws nothing
        for (const std::vector<double>& arguments : argumentSets(kind)) {
            SCOPED_TRACE(std::string(kind.name) + " (" + std::to_string(arguments[0]) + ", " +
                         std::to_string(arguments[1]) + ")");
            const Polygons drawn =
                withoutStuds(captureFeedback([&] { kind.draw(house, arguments.data(), colour); }));
            ASSERT_FALSE(drawn.empty());
            Bounds expected = unionOf(pieceBodyBoxes(kind.kind, arguments.data()));
            const Allowance allowance = allowanceFor(kind.kind);
            SCOPED_TRACE(allowance.why);
            // A quarter turn (the pieces with side insets recognise all three) puts depth on x.
            const double angle = arguments[kind.arguments[0] == ArgumentRole::Angle ? 0 : 1];
            const int depthAxis = angle == 90 || angle == 270 ? 0 : 2;
            expected.min[depthAxis] += allowance.sideInset;
            expected.max[depthAxis] -= allowance.sideInset;
            expected.max[1] += allowance.topExcess;
            const Bounds actual = boundsOf(drawn);
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_NEAR(actual.min[axis], expected.min[axis], kTolerance) << "min " << axis;
                EXPECT_NEAR(actual.max[axis], expected.max[axis], kTolerance) << "max " << axis;
            }
        }
    }
}

}  // namespace piece_kind_test
