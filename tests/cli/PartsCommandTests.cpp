// brik parts as a user runs it, without a display: the counts agree with the placement
// tables, the rows are in the builder's order with a colour each, one map's parts are what its
// table places, and bad options are refused.

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "BrikCommand.h"
#include "model/PieceKindNames.h"
#include "model/maps/LayerMaps.h"

namespace {
struct Row {
    std::string kind, size, colour;
    int count;
    std::string rgb, name;
};

std::vector<Row> csvRows(const RunResult& result) {
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("kind,size,colour,count", 0), 0u) << line;
    std::vector<Row> rows;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        Row row;
        std::string count;
        std::getline(fields, row.kind, ',');
        std::getline(fields, row.size, ',');
        std::getline(fields, row.colour, ',');
        std::getline(fields, count, ',');
        row.count = std::stoi(count);
        std::getline(fields, row.rgb, ',');
        std::getline(fields, row.name, ',');
        rows.push_back(row);
    }
    return rows;
}

int placementsOfMap(int map) { return int(expandPlacements(layerMap(map)).size()); }

// The order a builder reads: the kind's name, the sizes as numbers, the colour.
std::tuple<std::string, std::vector<int>, std::string> builderOrder(const Row& row) {
    std::string kindName;
    for (const PieceKindInfo& kind : allPieceKinds())
        if (row.kind == kind.name) kindName = pieceKindName(kind.kind).name;
    EXPECT_FALSE(kindName.empty()) << row.kind;
    std::vector<int> sizes;
    std::istringstream size(row.size);
    for (std::string number; std::getline(size, number, 'x');) sizes.push_back(std::stoi(number));
    return {kindName, sizes, row.colour};
}

class Parts : public ProgramFolder {
protected:
    // Without a display: the parts list must not need one.
    RunResult parts(const std::string& options) {
        return run("env -u DISPLAY " + kBrik + " parts " + options, directory);
    }
};
}  // namespace

TEST_F(Parts, CountsAgreeWithThePlacementTablesMapByMap) {
    std::map<std::string, int> addedByMaps;  // kind,size,colour -> count over every --map
    int placedSoFar = 0;
    for (int map = 1; map <= kLayerMapCount; ++map) {
        SCOPED_TRACE("map " + std::to_string(map));
        const RunResult added = parts("--csv --map " + std::to_string(map));
        ASSERT_EQ(added.status, 0) << added.err;
        int total = 0;
        for (const Row& row : csvRows(added)) {
            total += row.count;
            addedByMaps[row.kind + "," + row.size + "," + row.colour] += row.count;
            EXPECT_NE(row.kind, "BasePlate");
        }
        EXPECT_EQ(total, placementsOfMap(map));
        placedSoFar += total;
    }
    // The whole house is the base plate and what the maps add, part by part.
    const std::vector<Row> house = csvRows(parts("--csv"));
    addedByMaps["BasePlate,32x32,Green"] += 1;
    std::map<std::string, int> houseCounts;
    std::set<std::string> names;
    for (size_t i = 0; i < house.size(); ++i) {
        const Row& row = house[i];
        const std::string key = row.kind + "," + row.size + "," + row.colour;
        if (i > 0) {
            EXPECT_LT(builderOrder(house[i - 1]), builderOrder(row))
                << "sorted by name, sizes as numbers, colour, each part once: " << key;
        }
        houseCounts[key] = row.count;
        // Sizes smaller first; every part has a colour and its RGB; a name of its own.
        const size_t cross = row.size.find('x');
        if (cross != std::string::npos) {
            EXPECT_LE(std::stoi(row.size), std::stoi(row.size.substr(cross + 1))) << key;
        }
        EXPECT_FALSE(row.colour.empty()) << key;
        EXPECT_EQ(row.rgb.size(), 7u) << key;
        EXPECT_TRUE(names.insert(row.name + " " + row.colour).second) << key;
    }
    EXPECT_EQ(houseCounts, addedByMaps);

    const RunResult summary = parts("");
    EXPECT_NE(summary.out.find(std::to_string(placedSoFar + 1) + " parts, " +
                               std::to_string(house.size()) + " distinct"),
              std::string::npos)
        << summary.out;
    const RunResult upto = parts("--upto 20");
    int builtThrough20 = 1;
    for (int map = 1; map <= 20; ++map) builtThrough20 += placementsOfMap(map);
    EXPECT_NE(upto.out.find(std::to_string(builtThrough20) + " parts, "), std::string::npos)
        << upto.out;
}

TEST_F(Parts, OneMapListsWhatItsTablePlaces) {
    // Map 23: the roofs' first rows and the gutters (model/maps/LayerMaps21to30.cpp).
    EXPECT_EQ(parts("--csv --map 23").out,
              "kind,size,colour,count,rgb,name\n"
              "PlateWithSlide,8,LightGrey,2,#a3a2a4,Plate with rail 1 × 8\n"
              "RoofTile,3,Red,4,#c4281b,Roof tile 45° 2 × 3\n"
              "RoofTile,4,Red,8,#c4281b,Roof tile 45° 2 × 4\n");
    // The table a person reads: the same parts by name, colour in words.
    const RunResult table = parts("--map 23");
    EXPECT_NE(table.out.find("Roof tile 45° 2 × 4"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("Light grey"), std::string::npos) << table.out;
    EXPECT_EQ(table.out.find("RoofTile"), std::string::npos) << table.out;
}

TEST_F(Parts, RefusesMapsOutsideTheHouseAndConflictingOptions) {
    for (const char* options : {"--map 0", "--map 41", "--upto -1", "--upto x", "--map",
                                "--map 3 --upto 4", "--map 2.5"}) {
        SCOPED_TRACE(options);
        expectUsageError(parts(options), "brik parts: ", std::string(options).substr(0, 5));
    }
}
