// Bad model files by fault class: each broken snippet is refused with one line
// "FILE:LINE:COLUMN: what is wrong" naming the fault, and the model passed in is left alone.

#include <gtest/gtest.h>

#include <string>

#include "model/ModelFile.h"

namespace {
// Lines 1 and 2 of every snippet but those about the header; the fault then is on line 3.
const std::string kHeader = "plate 4 4 Green\nstep walls\n";

struct Fault {
    const char* fault;
    std::string text;
    const char* where;  // LINE:COLUMN
    const char* says;   // a part of the message
};

const Fault kFaults[] = {
    {"unknown kind", kHeader + "1 Brik 2 4 Red 0 0.4 0\n", "3:3", "unknown piece kind 'Brik'"},
    {"base plate as a row", kHeader + "1 BasePlate 2 4 Red 0 0 0\n", "3:3", "plate WIDTH"},
    {"too few arguments", kHeader + "1 Brick 2 Red 0 0.4 0\n", "3:3",
     "Brick takes 2 arguments (size, size) before its colour, not 1"},
    {"too many arguments", kHeader + "1 RoundPlate 1 Red 0 0.4 0\n", "3:14",
     "RoundPlate takes 0 arguments"},
    {"size not whole", kHeader + "1 Brick 2.5 4 Red 0 0.4 0\n", "3:9", "Brick cannot be 2.5"},
    {"size too large", kHeader + "1 Plate 2 33 Red 0 0.4 0\n", "3:11", "from 1 to 32"},
    {"angle it cannot take", kHeader + "1 RidgedTile 2 180 Red 0 0.4 0\n", "3:16",
     "cannot turn by 180 degrees: it turns by 0 or 90"},
    {"angle off the quarters", kHeader + "1 CornerBrick 45 Red 0 0.4 0\n", "3:15",
     "0, 90, 180 or 270"},
    {"unknown colour", kHeader + "1 Brick 2 4 Pink 0 0.4 0\n", "3:13", "unknown colour 'Pink'"},
    {"colour on a self-coloured piece", kHeader + "1 Window 90 Red 0 0.4 0\n", "3:13",
     "Window colours itself"},
    {"no colour for a brick", kHeader + "1 Brick 2 4 - 0 0.4 0\n", "3:13", "needs a colour"},
    {"malformed number", kHeader + "1 Brick 2 4 Red 0 0.4.1 0\n", "3:19",
     "'0.4.1' is not a number"},
    {"malformed range", kHeader + "1 Brick 2 4 Red 0..x 0.4 0\n", "3:17", "'x' is not a number"},
    {"range of no values", kHeader + "1 Brick 2 4 Red 8..0:2 0.4 0\n", "3:17", "has no values"},
    {"range of a million", kHeader + "1 Plate 1 1 Red 0..999:0.0001 0.4 0\n", "3:17",
     "more than 1000 values"},
    {"range off its step", kHeader + "1 Plate 1 1 Red 0..5:2 0.4 0\n", "3:17", "end on a step"},
    {"zero step", kHeader + "1 Plate 1 1 Red 0..5:0 0.4 0\n", "3:17", "step above 0"},
    {"too many pieces", kHeader + "1 Plate 1 1 Red 0..999 0..999 0..999\n", "3:1",
     "more than 100000 pieces"},
    {"coordinate too far", kHeader + "1 Plate 1 1 Red 1e9 0.4 0\n", "3:17", "beyond"},
    {"missing position", kHeader + "1 Brick 2 4 Red 0 0.4\n", "3:22", "x y z"},
    {"bad turn axis", kHeader + "1 Brick 2 4 Red 0 0.4 0 turn y 90\n", "3:30", "x or z"},
    {"unterminated group", kHeader + "group 1 at 0 0 0\n1a Brick 2 4 Red 0 0 0\n", "3:1",
     "group 1 has no end"},
    {"group left open at a step", kHeader + "group 1 at 0 0 0\n1a Brick 2 4 Red 0 0 0\nstep roof\n",
     "3:1", "no end before"},
    {"nested group", kHeader + "group 1 at 0 0 0\ngroup 2 at 0 0 0\n", "4:1", "do not nest"},
    {"end without group", kHeader + "end\n", "3:1", "end without a group"},
    {"row outside its group's labels", kHeader + "group 1 at 0 0 0\n2 Brick 2 4 Red 0 0 0\n", "4:1",
     "labelled 1a to 1z"},
    {"row after end joining the group",
     kHeader + "group 1 at 0 0 0\nend\n1a Brick 2 4 Red 0 0.4 0\n", "5:1", "would join"},
    {"duplicate label", kHeader + "1 Brick 2 4 Red 0 0.4 0\n1 Brick 2 4 Red 4 0.4 0\n", "4:1",
     "label 1 is already used on line 3"},
    {"row before any step", "plate 4 4 Green\n1 Brick 2 4 Red 0 0.4 0\n", "2:1", "after a step"},
    {"plate after a step", "step a\nplate 4 4 Green\n", "2:1", "before the first step"},
    {"second plate", "plate 4 4 Green\nplate none\n", "2:1", "already given on line 1"},
    {"plate too large", "plate 400 4 Green\n", "1:7", "from 1 to 128"},
    {"colour channel out of range", "colour Teal 0 300 0\n", "1:15", "from 0 to 255"},
    {"colour named twice", "colour Red 1 2 3\n", "1:8", "already named"},
    {"nothing to build", "# nothing\n", "1:1", "no pieces"},
    {"not UTF-8", kHeader + "1 Brick 2 4 Red 0 0.4 0 \xff\n", "3:25", "not UTF-8"},
    {"control character", kHeader + "1 Brick\x01 2 4\n", "3:8", "control character"},
};

TEST(ModelFaults, EachBrokenSnippetGivesItsLine) {
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.fault);
        Model model = houseModel();
        std::string error;
        EXPECT_FALSE(parseModel(fault.text, "bad.brik", &model, &error));
        EXPECT_EQ(error.rfind("bad.brik:" + std::string(fault.where) + ": ", 0), 0u) << error;
        EXPECT_NE(error.find(fault.says), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(model.layerCount(), houseModel().layerCount());  // left alone
    }
}

TEST(ModelFaults, UnreadableOrOversizedFileIsRefusedNamingIt) {
    Model model;
    std::string error;
    EXPECT_FALSE(readModelFile("no/such/model.brik", &model, &error));
    EXPECT_EQ(error.rfind("no/such/model.brik: ", 0), 0u) << error;
    EXPECT_FALSE(readModelFile("/dev/zero", &model, &error));  // endless: stops at the limit
    EXPECT_NE(error.find("MiB"), std::string::npos) << error;
}
}  // namespace
