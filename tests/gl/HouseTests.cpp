// The whole house drawn against real Mesa: matrices left as found, identical output on
// every draw, its extent, and rendered views from the front and from behind.

#include <epoxy/gl.h>
#include <GL/glu.h>
#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"
#include "viewer/ViewerShell.h"
#include "model/ExtraScenes.h"
#include "model/HouseFrame.h"
#include "model/PieceExtent.h"
#include "model/Scene.h"
#include "model/maps/LayerMaps.h"
#include "support/GlTestContext.h"
#include "support/ViewerTestSupport.h"

namespace {
constexpr int kWidth = viewerWindowWidth;  // the viewer's own window
constexpr int kHeight = viewerWindowHeight;

void floorOnly(float) {}

class House : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(prepareViewer(kWidth, kHeight)); }
    void TearDown() override {
        setSceneFunction(viewerFrame(), modelScene(houseModel()));
        setCameraEye(viewerFrame(), VECTOR3D(0.0f, 2.5f, 3.5f));
    }

    // The pixels where the scene differs from the floor alone, as a bounding rectangle,
    // and how many there are.
    struct Footprint {
        int left = kWidth, right = -1, top = kHeight, bottom = -1;
        long count = 0;
    };
    static Footprint sceneFootprint(const RgbImage& withScene, const RgbImage& floor) {
        Footprint footprint;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const unsigned char* a = withScene.at(x, y);
                const unsigned char* b = floor.at(x, y);
                if (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) < 24)
                    continue;
                ++footprint.count;
                footprint.left = std::min(footprint.left, x);
                footprint.right = std::max(footprint.right, x);
                footprint.top = std::min(footprint.top, y);
                footprint.bottom = std::max(footprint.bottom, y);
            }
        return footprint;
    }

    // The screen rectangle of the world box [x0, x1] × [y0, y1] × [z0, z1].
    static Footprint projectedBox(double x0, double x1, double y0, double y1, double z0,
                                  double z1) {
        Footprint box;
        for (double x : {x0, x1})
            for (double y : {y0, y1})
                for (double z : {z0, z1}) {
                    const ImagePoint p = projectToImage(x, y, z);
                    box.left = std::min(box.left, p.x);
                    box.right = std::max(box.right, p.x);
                    box.top = std::min(box.top, p.y);
                    box.bottom = std::max(box.bottom, p.y);
                }
        return box;
    }

    static RgbImage render(SceneFunction scene) {
        setSceneFunction(viewerFrame(), scene);
        renderFrame(viewerFrame());
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        return readBackBuffer(kWidth, kHeight);
    }

    static void keepArtefact(const RgbImage& image, const std::string& name) {
        const std::filesystem::path directory =
            std::filesystem::path(BRIK_BUILD_DIR) / "test-artifacts";
        std::filesystem::create_directories(directory);
        std::string error;
        EXPECT_TRUE(writePng((directory / name).string(), image, &error)) << error;
    }

    // Renders the house from `eye`, keeps the picture, and checks that what differs from the
    // floor alone fills the projection of the house's bounding box.
    static void expectHouseFillsItsProjection(const VECTOR3D& eye, const std::string& artefact) {
        setCameraEye(viewerFrame(), eye);
        const RgbImage floor = render(floorOnly);
        const RgbImage house = render(modelScene(houseModel()));
        keepArtefact(house, artefact);

        // Whole house in world units: x -1.6 ... 1.645 (the gutter), z -1.6 ... 1.6, y 0 ... the
        // chimney's top.
        const Bounds extent = houseWorldExtent();
        const Footprint expected = projectedBox(extent.min[0], extent.max[0], extent.min[1],
                                                extent.max[1], extent.min[2], extent.max[2]);
        const Footprint actual = sceneFootprint(house, floor);
        const int slack = 12;  // pixels: the box's corners stick out beyond the house's outline
        EXPECT_GE(actual.left, std::max(0, expected.left) - 2);
        EXPECT_LE(actual.right, std::min(kWidth - 1, expected.right) + 2);
        EXPECT_GE(actual.top, std::max(0, expected.top) - 2);
        EXPECT_LE(actual.bottom, std::min(kHeight - 1, expected.bottom) + 2);
        EXPECT_LE(actual.left, std::max(0, expected.left) + slack);
        EXPECT_GE(actual.right, std::min(kWidth - 1, expected.right) - slack);
        EXPECT_GE(actual.bottom, std::min(kHeight - 1, expected.bottom) - slack);
        const long area = long(actual.right - actual.left + 1) * (actual.bottom - actual.top + 1);
        EXPECT_GT(actual.count, area / 2) << "the house should cover most of its screen rectangle";
    }

    static Bounds houseWorldExtent() {
        static const Bounds extent =
            boundsOf(captureFeedback([] { DrawScene(houseModel(), 0); }, 4));
        return extent;
    }
};
}  // namespace

TEST_F(House, EveryMapAndTheWholeHouseLeaveTheMatrixAsTheyFoundIt) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(1.5, -2, 3);
    glRotated(30, 0, 1, 0);
    const int depth = modelviewDepth();
    const auto before = currentModelview();
    BrikVantaHouse brik;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        SCOPED_TRACE(map);
        brik.drawSolidMap(map);
        EXPECT_EQ(modelviewDepth(), depth);
        EXPECT_EQ(currentModelview(), before);
    }
    brik.drawSolidBrikVantaHouse();
    EXPECT_EQ(currentModelview(), before);
    DrawScene(houseModel(), 123.0f);
    EXPECT_EQ(currentModelview(), before);
    EXPECT_EQ(modelviewDepth(), depth);
    glPopMatrix();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(House, DrawingTwiceGivesIdenticalGeometryWhateverTheSceneTime) {
    const auto first = captureFeedback([] { DrawScene(houseModel(), 0); }, 4);
    const auto second = captureFeedback([] { DrawScene(houseModel(), 98765.0f); }, 4);
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i].vertices.size(), second[i].vertices.size());
        for (size_t k = 0; k < first[i].vertices.size(); ++k) {
            const auto& a = first[i].vertices[k];
            const auto& b = second[i].vertices[k];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z && a.r == b.r && a.g == b.g &&
                        a.b == b.b)
                << "polygon " << i;
        }
    }
}

TEST_F(House, TheHouseStandsOnTheFloorCentredOnTheOrigin) {
    const Bounds extent = houseWorldExtent();
    EXPECT_NEAR(extent.min[0], -1.6, 1e-4);
    // The main roof's right-hand gutter (a 1.45-wide slide plate at house x 31) overhangs
    // the base plate's edge by 0.45 studs.
    EXPECT_NEAR(extent.max[0], 1.645, 1e-4);
    EXPECT_NEAR(extent.min[2], -1.6, 1e-4);
    EXPECT_NEAR(extent.max[2], 1.6, 1e-4);
    EXPECT_NEAR(extent.min[1], 0, 1e-4);
    // The chimney caps are the highest points, well above the ridge.
    EXPECT_GT(extent.max[1], 2.0);
    EXPECT_LT(extent.max[1], 2.4);
}

TEST_F(House, FromTheViewersCameraTheHouseFillsItsPartOfTheImage) {
    expectHouseFillsItsProjection(VECTOR3D(0.0f, 2.5f, 3.5f), "house-front.png");
}

TEST_F(House, FromBehindTheHouseFillsItsPartOfTheImage) {
    expectHouseFillsItsProjection(VECTOR3D(0.0f, 2.5f, -3.5f), "house-back.png");
}

TEST_F(House, TheShowcaseShowsEveryKindOfPieceEachInItsOwnCell) {
    setCameraEye(viewerFrame(), VECTOR3D(0.0f, 2.2f, 2.6f));
    keepArtefact(render(DrawShowcaseScene), "showcase.png");
    const RgbImage plate = render(DrawBasePlateScene);

    // Each row drawn alone on the plate must change the picture inside the screen rectangle
    // of each of its placements' body boxes (shadows may fall outside; outside is not checked).
    const PlacementTable& table = showcaseTable();
    std::set<PieceKind> shown;
    for (int i = 0; i < table.rowCount; ++i) {
        const Placement& row = table.rows[i];
        SCOPED_TRACE(std::string("showcase row ") + row.row + " " + pieceName(row.piece));
        shown.insert(row.piece);
        static PlacementTable single;
        single = {&row, 1};
        const RgbImage alone = render([](float) { drawOnBasePlate(single); });
        for (const PlacementInstance& placement : expandPlacements(single)) {
            Footprint cell{kWidth, -1, kHeight, -1, 0};
            for (const BodyBox& b : placementBodyBoxes(placement)) {
                const auto world = [](double house) {
                    return (house + kBasePlateOffset) * kHouseScale;
                };
                const Footprint box =
                    projectedBox(world(b.minX), world(b.maxX), b.minY * kHouseScale,
                                 b.maxY * kHouseScale, world(b.minZ), world(b.maxZ));
                cell = {std::min(cell.left, box.left), std::max(cell.right, box.right),
                        std::min(cell.top, box.top), std::max(cell.bottom, box.bottom), 0};
            }
            long inside = 0;
            for (int y = std::max(0, cell.top); y <= std::min(kHeight - 1, cell.bottom); ++y)
                for (int x = std::max(0, cell.left); x <= std::min(kWidth - 1, cell.right); ++x) {
                    const unsigned char* a = alone.at(x, y);
                    const unsigned char* b = plate.at(x, y);
                    inside +=
                        std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) >= 24;
                }
            const long area = long(cell.right - cell.left + 1) * (cell.bottom - cell.top + 1);
            EXPECT_GT(inside, area / 4) << "at house (" << placement.houseX << ", "
                                        << placement.houseZ << "): the piece should fill much "
                                        << "of its own screen rectangle";
        }
    }
    for (const PieceKindInfo& kind : allPieceKinds()) {
        if (kind.kind == PieceKind::GroupOrigin || kind.kind == PieceKind::BasePlate) continue;
        EXPECT_EQ(shown.count(kind.kind), 1u) << kind.name << " is missing from the showcase";
    }
}
