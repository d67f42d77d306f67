// brik parts: the bill of materials of the house, of the house built up to a layer map, or of
// what one map adds. Reads the placement tables only: no display, no OpenGL.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/OptionValues.h"
#include "model/maps/LayerMaps.h"
#include "parts/PartsList.h"

namespace {
struct PartsOptions {
    long upto = kLayerMapCount;
    long map = 0;
    bool csv = false;
};

bool parseMapNumber(const std::string& text, long* map, std::string* why) {
    return parseWholeNumber(text, 1, kLayerMapCount, map, why);
}

void printTable(const PartsList& list) {
    printf("%-18s %-6s %-10s %5s\n", "kind", "size", "colour", "count");
    for (const Part& part : list.parts)
        printf("%-18s %-6s %-10s %5d\n", partKindName(part.kind), part.size.c_str(),
               paletteColourName(part.colour), part.count);
    printf("%d parts, %zu distinct\n", list.total(), list.parts.size());
}

// The first four columns are fixed; the colour's RGB follows for those who match colours.
void printCsv(const PartsList& list) {
    printf("kind,size,colour,count,rgb\n");
    for (const Part& part : list.parts)
        printf("%s,%s,%s,%d,%s\n", partKindName(part.kind), part.size.c_str(),
               paletteColourName(part.colour), part.count, paletteColourHex(part.colour).c_str());
}

int runParts(const CLI::App& command, const PartsOptions& options) {
    const bool oneMap = command.count("--map") > 0;
    const Model house = houseModel();
    const PartsList list = oneMap ? partsOfMaps(house, int(options.map), int(options.map), false)
                                  : partsOfMaps(house, 1, int(options.upto), true);
    if (options.csv)
        printCsv(list);
    else
        printTable(list);
    return kExitSuccess;
}
}  // namespace

Command addPartsCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "parts", "List the parts to build the house: kind, size, colour and count");
    auto options = std::make_shared<PartsOptions>();
    CLI::Option* upto =
        addCheckedOption(*command, "--upto", &options->upto, parseMapNumber,
                         "the house built through layer map N (1 to 40), base plate included")
            ->type_name("N");
    addCheckedOption(*command, "--map", &options->map, parseMapNumber,
                     "only the parts layer map N (1 to 40) adds")
        ->type_name("N")
        ->excludes(upto);
    command->add_flag("--csv", options->csv,
                      "comma-separated: kind,size,colour,count,rgb, one row per part");
    return {command, [command, options] { return runParts(*command, *options); }};
}
