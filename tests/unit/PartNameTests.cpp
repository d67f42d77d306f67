// The names a builder reads in the parts list: one name per distinct part over every kind and
// size the tables could use, written with ×, and the pieces that colour themselves listed in
// the colour their drawing mostly uses.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/PieceKindNames.h"
#include "parts/PartsList.h"

namespace {
constexpr long kLargestSize = 32;  // studs: the base plate's side

// Every size-argument list a kind takes, smaller first, up to kLargestSize.
std::vector<std::vector<long>> sizesOf(const PieceKindInfo& kind) {
    int sizeArguments = 0;
    for (const ArgumentRole role : kind.arguments) sizeArguments += role == ArgumentRole::Size;
    std::vector<std::vector<long>> sizes;
    if (sizeArguments == 0) sizes.push_back({});
    for (long a = 1; sizeArguments > 0 && a <= kLargestSize; ++a) {
        if (sizeArguments == 1) sizes.push_back({a});
        for (long b = a; sizeArguments == 2 && b <= kLargestSize; ++b) sizes.push_back({a, b});
    }
    return sizes;
}

// Counts the drawing calls (vertices and boxes) made in each colour, as 0-255 channels.
class ColourCounter : public DrawTarget {
public:
    std::map<std::vector<long>, int> calls;

    void beginPolygon() override {}
    void endPolygon() override {}
    void vertex(double, double, double) override { ++calls[current]; }
    void normal(double, double, double) override {}
    void colour(double red, double green, double blue) override { colour(red, green, blue, 1); }
    void colour(double red, double green, double blue, double) override {
        current = {std::lround(red * 255), std::lround(green * 255), std::lround(blue * 255)};
    }
    void pushMatrix() override {}
    void popMatrix() override {}
    void translate(double, double, double) override {}
    void rotate(double, double, double, double) override {}
    void scale(double, double, double) override {}
    void unitCube() override { calls[current] += 8; }

private:
    std::vector<long> current;
};
}  // namespace

TEST(PartNames, EachKindAndSizeHasANameOfItsOwn) {
    std::map<std::string, std::string> partOfName;  // name -> "kind sizes"
    for (const PieceKindInfo& kind : allPieceKinds()) {
        if (kind.kind == PieceKind::GroupOrigin) continue;
        for (const std::vector<long>& sizes : sizesOf(kind)) {
            std::string part = kind.name;
            for (const long size : sizes) part += " " + std::to_string(size);
            const std::string name = partName(kind.kind, sizes);
            SCOPED_TRACE(part + ": " + name);
            EXPECT_TRUE(partOfName.emplace(name, part).second) << "also " << partOfName[name];
            EXPECT_FALSE(std::regex_search(name, std::regex("[a-z][A-Z]"))) << "words, not code";
            EXPECT_FALSE(std::regex_search(name, std::regex("\\dx|N"))) << "sizes written with ×";
            for (const long size : sizes)
                EXPECT_NE(name.find(std::to_string(size)), std::string::npos);
        }
    }
}

TEST(PartNames, SelfColouringPiecesAreListedInTheColourTheyMostlyDrawIn) {
    BrikVantaHouse house;
    for (const PieceKindInfo& kind : allPieceKinds()) {
        const PaletteColour listed = pieceKindName(kind.kind).drawnIn;
        if (listed == PaletteColour::OwnColours) continue;
        SCOPED_TRACE(kind.name);
        ColourCounter counter;
        {
            const ScopedDrawTarget recording(counter);
            const double unturned[2] = {0, 0};
            kind.draw(house, unturned, BrikColor());
        }
        auto most = counter.calls.begin();
        for (auto it = counter.calls.begin(); it != counter.calls.end(); ++it)
            if (it->second > most->second) most = it;
        const BrikColor rgb = paletteColour(house, listed);
        EXPECT_EQ(most->first,
                  (std::vector<long>{rgb.getColorRed(), rgb.getColorGreen(), rgb.getColorBlue()}));
    }
}
