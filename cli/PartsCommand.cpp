// brik parts: the bill of materials of the house, of the house built up to a layer map, or of
// what one map adds. Reads the placement tables only: no display, no OpenGL.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/ModelOption.h"
#include "cli/OptionValues.h"
#include "model/ModelFile.h"
#include "model/PieceKindNames.h"
#include "parts/PartsList.h"

namespace {
struct PartsOptions {
    long upto = 0;  // 0: the whole model
    long map = 0;
    bool csv = false;
    std::string model;  // a model file; empty for the built-in house
};

// Checked against the model's step count once it is read.
bool parseMapNumber(const std::string& text, long* map, std::string* why) {
    return parseWholeNumber(text, 1, kMaxModelSteps, map, why);
}

// `text` followed by spaces to `width` characters (the names hold × and °, two bytes each).
std::string padded(const std::string& text, size_t width) {
    size_t characters = 0;
    for (const char byte : text) characters += (byte & 0xC0) != 0x80;
    return text + std::string(width > characters ? width - characters : 0, ' ');
}

void printTable(const PartsList& list) {
    constexpr size_t kNameWidth = 30, kColourWidth = 11;
    printf("%s%s%5s\n", padded("part", kNameWidth).c_str(), padded("colour", kColourWidth).c_str(),
           "count");
    for (const Part& part : list.parts)
        printf("%s%s%5d\n", padded(part.name, kNameWidth).c_str(),
               padded(colourWords(part.colourName), kColourWidth).c_str(), part.count);
    printf("%d parts, %zu distinct\n", list.total(), list.parts.size());
}

// The first four columns are fixed; the colour's RGB follows for those who match colours,
// then the name a builder reads.
void printCsv(const PartsList& list) {
    printf("kind,size,colour,count,rgb,name\n");
    for (const Part& part : list.parts)
        printf("%s,%s,%s,%d,%s,%s\n", partKindName(part.kind), part.size.c_str(),
               part.colourName.c_str(), part.count, part.colourHex.c_str(), part.name.c_str());
}

// Which pieces colour themselves, and in what, from the names' table.
std::string selfColouredNote() {
    std::string note;
    for (const PieceKindInfo& kind : allPieceKinds()) {
        const PaletteColour colour = pieceKindName(kind.kind).drawnIn;
        if (colour == PaletteColour::OwnColours) continue;
        note += (note.empty() ? "" : ", ") + std::string(pieceKindName(kind.kind).name) + ": " +
                paletteColourWords(colour);
    }
    return "The pieces that colour themselves are listed in the colour they are drawn in: " + note +
           ".";
}

int runParts(const CLI::App& command, const PartsOptions& options) {
    Model house;
    if (!loadModel(options.model, &house)) return kExitUsage;
    const bool oneMap = command.count("--map") > 0;
    const long asked = oneMap ? options.map : options.upto;
    if (asked > house.layerCount()) {
        reportError(command, (oneMap ? "--map " : "--upto ") + std::to_string(asked) +
                                 ": the model has " + std::to_string(house.layerCount()) +
                                 " layer maps");
        fprintf(stderr, "Run 'brik parts --help' for the options.\n");  // as for any bad option
        return kExitUsage;
    }
    const int last = options.upto == 0 ? house.layerCount() : int(options.upto);
    const PartsList list = oneMap ? partsOfMaps(house, int(options.map), int(options.map), false)
                                  : partsOfMaps(house, 1, last, true);
    if (options.csv)
        printCsv(list);
    else
        printTable(list);
    return kExitSuccess;
}
}  // namespace

Command addPartsCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "parts", "List the parts to build the house: name and size, colour and count");
    command->footer(selfColouredNote());
    auto options = std::make_shared<PartsOptions>();
    CLI::Option* upto = addCheckedOption(*command, "--upto", &options->upto, parseMapNumber,
                                         "the model built through layer map N (1 to its count; 40 "
                                         "for the house), base plate included")
                            ->type_name("N");
    addCheckedOption(*command, "--map", &options->map, parseMapNumber,
                     "only the parts layer map N (1 to the model's count) adds")
        ->type_name("N")
        ->excludes(upto);
    command->add_flag("--csv", options->csv,
                      "comma-separated: kind,size,colour,count,rgb,name, one row per part");
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runParts(*command, *options); }};
}
