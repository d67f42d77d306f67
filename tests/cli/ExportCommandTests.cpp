// brik export as a user runs it, without a display: the files pass the Khronos validator and
// load in assimp with the captured triangles, the materials and the house's size in metres.

#include <algorithm>
#include <filesystem>
#include <string>

#include "BrikCommand.h"
#include "mesh/HouseMesh.h"

namespace fs = std::filesystem;

namespace {
const fs::path kValidator = fs::current_path() / "tools" / "gltf-validator" / "validate.js";

// The value after "label" on its line of `text`, e.g. "Faces:" -> "125914".
std::string valueAfter(const std::string& text, const std::string& label) {
    const size_t at = text.find(label);
    if (at == std::string::npos) return "(no " + label + ")";
    const size_t start = text.find_first_not_of(' ', at + label.size());
    return text.substr(start, text.find('\n', start) - start);
}

class Export : public ProgramFolder {
protected:
    RunResult brikExport(const std::string& options) {
        return run("env -u DISPLAY " + kBrik + " export " + options, directory);
    }
};
}  // namespace

TEST_F(Export, BothGltfFormsPassTheKhronosValidator) {
    for (const char* file : {"house.glb", "house.gltf"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(brikExport(std::string("-o ") + file).status, 0);
        const RunResult verdict = run("node '" + kValidator.string() + "' " + file, directory);
        ASSERT_EQ(verdict.status, 0) << verdict.err;
        EXPECT_EQ(verdict.out.rfind("errors 0 warnings 0 ", 0), 0u) << verdict.out;
    }
}

TEST_F(Export, AssimpLoadsEveryFormWithTheCapturedTrianglesAndTheHousesSize) {
    const Model model = houseModel();
    const HouseMesh house = captureHouse(model);
    float top = 0;  // brick units
    for (const MeshTriangle& triangle : house.triangles)
        for (const MeshVertex& corner : triangle.corners) top = std::max(top, corner.position[1]);
    // (file, metres per stud pitch as exported)
    const std::pair<std::string, double> cases[] = {
        {"house.glb", 0.008}, {"house.gltf --scale 0.016", 0.016}, {"house.obj", 1}};
    for (const auto& [options, scale] : cases) {
        SCOPED_TRACE(options);
        ASSERT_EQ(brikExport("-o " + options).status, 0);
        const std::string file = options.substr(0, options.find(' '));
        const RunResult info = run("assimp info " + file, directory);
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(valueAfter(info.out, "Faces:"), std::to_string(house.triangles.size()));
        // The ten palette colours all occur, and the door glass is the eleventh.
        EXPECT_EQ(valueAfter(info.out, "Materials:"), "11");
        // The 32 x 32 base plate centred on the origin, the roof's top the highest point.
        float minimum[3], maximum[3];
        ASSERT_EQ(sscanf(valueAfter(info.out, "Minimum point").c_str(), "(%f %f %f)", &minimum[0],
                         &minimum[1], &minimum[2]),
                  3);
        ASSERT_EQ(sscanf(valueAfter(info.out, "Maximum point").c_str(), "(%f %f %f)", &maximum[0],
                         &maximum[1], &maximum[2]),
                  3);
        EXPECT_NEAR(minimum[0], -16 * scale, 1e-4 * scale);
        EXPECT_NEAR(minimum[1], 0, 1e-4 * scale);
        EXPECT_NEAR(minimum[2], -16 * scale, 1e-4 * scale);
        EXPECT_NEAR(maximum[1], top * scale, 1e-3 * scale);
        EXPECT_NEAR(maximum[2], 16 * scale, 1e-4 * scale);
    }
    EXPECT_TRUE(fs::exists(directory / "house.mtl"));
    // Every placement is a node under its map's node, named after its row and part.
    const std::string gltf = readFile(directory / "house.gltf");
    for (const char* name : {"\"map 23\"", "\"map 23 row 5 RoofTile 4 Red\"",
                             "\"base plate BasePlate 32x32 Green\"", "\"DoorGlass\"", "BLEND"})
        EXPECT_NE(gltf.find(name), std::string::npos) << name;
}

TEST_F(Export, RefusesBadOptionsAndUnwritablePlaces) {
    for (const char* options : {"", "-o house.stl", "-o house.glb --scale 0",
                                "-o house.glb --scale x", "-o house.glb --bogus"}) {
        SCOPED_TRACE(options);
        const std::string option =
            std::string(options).find("--scale") != std::string::npos   ? "--scale"
            : std::string(options).find("--bogus") != std::string::npos ? "--bogus"
                                                                        : "--output";
        expectUsageError(brikExport(options), "brik export: ", option);
    }
    const RunResult missingFolder = brikExport("-o missing/house.glb");
    EXPECT_EQ(missingFolder.status, 1);
    EXPECT_EQ(missingFolder.err,
              "brik export: missing/house.glb: the folder 'missing' does not exist\n");
}
