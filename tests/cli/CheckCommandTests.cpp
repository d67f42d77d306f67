// brik check as a user runs it: planted faults are found and named by their file line, clean
// models pass, the built-in house gives its known findings (tests/unit/HouseStructureTests.cpp
// lists them with their reasons).

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BrikCommand.h"

namespace {
class Check : public ProgramFolder {};

// A small model: a 4 × 4 plate, then one step of rows; `extra` adds rows to that step.
std::string modelWith(const std::string& extra) {
    return "plate 4 4 Green\n"
           "step a wall\n"
           "1 Brick 1 4 Red 0 0.4 0\n"  // line 3
           "2 Plate 1 4 White 0 1.6 0\n" +
           extra;
}
}  // namespace

TEST_F(Check, FindsPlantedFaultsByLineAndPassesCleanModels) {
    struct Case {
        const char* what;
        std::string text;
        int status;
        std::vector<std::string> lines;  // each must appear in the output
    };
    const Case cases[] = {
        {"clean",
         modelWith("3 Brick 2 2 Yellow 2 0.4 2\n"),
         0,
         {"0 resting on nothing, 0 overlapping"}},
        {"a brick passing into the wall",
         modelWith("3 Brick 1 2 Yellow 0 0.4 1\n"),
         1,
         {"m.brik:3: row 1 Brick at 0,0.4,0 overlaps m.brik:5: row 3 Brick at 0,0.4,1"}},
        {"a plate one plate too high",
         modelWith("3 Plate 2 2 Yellow 2 0.8 2\n"),
         1,
         {"m.brik:5: row 3 Plate at 2,0.8,2 rests on nothing"}},
        {"a brick on the floating plate floats too",
         modelWith("3 Plate 2 2 Yellow 2 0.8 2\n4 Brick 2 2 Red 2 1.2 2\n"),
         1,
         {"m.brik:5: row 3", "m.brik:6: row 4 Brick at 2,1.2,2 rests on nothing"}},
        {"no base plate: the ground carries",
         "plate none\nstep one\n1 Brick 2 2 Red 0 0 0\n",
         0,
         {"1 pieces, 0 resting"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(directory / "m.brik") << c.text;
        const RunResult result = run(kBrik + " check m.brik", directory);
        EXPECT_EQ(result.status, c.status) << result.out << result.err;
        for (const std::string& line : c.lines)
            EXPECT_NE(result.out.find(line), std::string::npos) << result.out;
    }
    for (const char* sample : {"garden-shed.brik", "lighthouse.brik"}) {
        const std::string path = std::filesystem::absolute("models").string() + "/" + sample;
        const RunResult result = run(kBrik + " check " + path, directory);
        EXPECT_EQ(result.status, 0) << sample << "\n" << result.out << result.err;
    }
    // The built-in house: its held pieces and listed overlaps, by map and row.
    const RunResult house = run(kBrik + " check", directory);
    EXPECT_EQ(house.status, 1);
    EXPECT_NE(house.out.find("map 22 row 1b: PlateWithSlide"), std::string::npos) << house.out;
    // A model file with a fault is refused as every command refuses it.
    std::ofstream(directory / "m.brik") << "plate 4 4 Mauve\n";
    EXPECT_EQ(run(kBrik + " check m.brik", directory).status, 2);
}
