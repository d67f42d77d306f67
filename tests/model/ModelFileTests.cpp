// The model file format: the built-in house written and read back is the same tables row for
// row; the sample models read and use every piece kind between them; every input the parser's
// fuzz target ever found failing is read or refused on one line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "mesh/HiddenTriangles.h"
#include "model/ModelFile.h"

namespace {
namespace fs = std::filesystem;

// The tests run from the project's root.
const fs::path kSamples = "models";
const fs::path kRegressions = "tests/model/regressions";

void expectSameCoordinate(const Coordinate& a, const Coordinate& b) {
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.last, b.last);
    EXPECT_EQ(a.step, b.step);
}

void expectSameRow(const Placement& a, const Placement& b) {
    EXPECT_STREQ(a.row, b.row);
    EXPECT_EQ(a.piece, b.piece);
    EXPECT_EQ(a.arguments[0], b.arguments[0]);
    EXPECT_EQ(a.arguments[1], b.arguments[1]);
    EXPECT_EQ(a.colour, b.colour);
    expectSameCoordinate(a.x, b.x);
    expectSameCoordinate(a.y, b.y);
    expectSameCoordinate(a.z, b.z);
    EXPECT_EQ(a.rotation.axis, b.rotation.axis);
    EXPECT_EQ(a.rotation.degrees, b.rotation.degrees);
}

Model parsed(const std::string& text, const std::string& name) {
    Model model;
    std::string error;
    EXPECT_TRUE(parseModel(text, name, &model, &error)) << error;
    return model;
}

std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(ModelFile, HouseReadBackIsTheBuiltInTablesRowForRow) {
    const Model house = houseModel();
    const Model read = parsed(modelText(house), "house.brik");
    expectSameRow(read.basePlate, house.basePlate);
    EXPECT_TRUE(read.hasBasePlate());
    ASSERT_EQ(read.layerCount(), house.layerCount());
    for (int map = 1; map <= house.layerCount(); ++map) {
        SCOPED_TRACE("map " + std::to_string(map));
        EXPECT_EQ(read.title(map), house.title(map));
        ASSERT_EQ(read.layer(map).rowCount, house.layer(map).rowCount);
        for (int row = 0; row < house.layer(map).rowCount; ++row)
            expectSameRow(read.layer(map).rows[row], house.layer(map).rows[row]);
    }
}

// Each sample reads, writes back as text that reads to the same text, and owns its tables (a
// copy outliving the original still reads its rows); together they use every piece kind.
TEST(ModelFile, SamplesReadAndTogetherUseEveryPieceKind) {
    std::set<PieceKind> used;
    int samples = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSamples)) {
        SCOPED_TRACE(entry.path().string());
        Model copy;
        {
            const Model model = parsed(fileText(entry.path()), entry.path().string());
            EXPECT_EQ(modelText(parsed(modelText(model), "again")), modelText(model));
            copy = model;
        }
        for (int map = 1; map <= copy.layerCount(); ++map)
            for (int row = 0; row < copy.layer(map).rowCount; ++row)
                used.insert(copy.layer(map).rows[row].piece);
        ++samples;
    }
    EXPECT_GE(samples, 2);
    for (const PieceKindInfo& kind : allPieceKinds())
        if (kind.kind != PieceKind::GroupOrigin && kind.kind != PieceKind::BasePlate) {
            EXPECT_EQ(used.count(kind.kind), 1u) << kind.name << " is in no sample";
        }
}

TEST(ModelFile, FuzzRegressionsAreReadOrRefusedOnOneLine) {
    ASSERT_TRUE(fs::is_directory(kRegressions));
    for (const fs::directory_entry& entry : fs::directory_iterator(kRegressions)) {
        if (entry.path().extension() == ".md") continue;  // the folder's note
        SCOPED_TRACE(entry.path().string());
        Model model;
        std::string error;
        if (!readModelFile(entry.path().string(), &model, &error)) {
            EXPECT_EQ(error.find('\n'), std::string::npos) << error;
            EXPECT_EQ(error.rfind(entry.path().string() + ":", 0), 0u) << error;
        }
    }
}
}  // namespace

// The capture draws a model with its plate centred where the house's is; the occluding bodies
// must follow, or pieces would hide each other's faces by a plate-dependent shift. The same
// pieces on a wider plate (one piece hiding another's bottom) leave the same faces out.
TEST(ModelFile, HiddenPieceFacesDoNotDependOnThePlateSize) {
    auto hiddenPieceTriangles = [](const std::string& plate) {
        const Model model = parsed(
            plate + "step\n1 Brick 2 2 Red 0 0.4 0\n2 Brick 2 2 Red 0 1.6 0\n", "stack.brik");
        const HouseMesh mesh = captureHouse(model);
        const std::vector<bool> hidden = findHiddenTriangles(mesh, houseOccludingBodies(model));
        int count = 0;
        for (size_t t = 0; t < hidden.size(); ++t)
            count += hidden[t] && mesh.placements[size_t(mesh.triangles[t].placement)].map != 0;
        return count;
    };
    const int onSmallPlate = hiddenPieceTriangles("plate 2 2 Green\n");
    EXPECT_GT(onSmallPlate, 0);  // the lower brick's studs inside the upper brick
    EXPECT_EQ(hiddenPieceTriangles("plate 40 40 Green\n"), onSmallPlate);
}
