// brik check: the structural check of a model (model/ModelCheck.h). Prints one line per piece
// that rests on nothing and per pair of pieces whose bodies overlap, each naming where the piece
// comes from (the file's line, or the built-in house's map and row) and where it stands, then a
// summary. Status 0 when it found nothing, 1 when it found something, 2 for a bad command line
// or model file.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/ModelOption.h"
#include "model/ModelCheck.h"

namespace {
struct CheckOptions {
    std::string file;   // the positional FILE
    std::string model;  // --model FILE, the same
};

// "shed.brik:12: row 3 Plate at 4,0.4,8", or "map 12 row 5: AngularBrick at 8,4.4,11" for the
// built-in house; the point is the piece's corner in the house frame, brick units.
std::string describe(const Model& model, const std::string& path, const ModelBody& body) {
    const Placement& row = *body.placement.row;
    std::string where;
    const int line = model.sourceLine(row);
    if (line > 0) {
        where = path + ":" + std::to_string(line) + ":" +
                (body.layer == 0 ? "" : " row " + std::string(row.row));
    } else if (body.layer == 0) {
        where = "the base plate:";
    } else {
        where = "map " + std::to_string(body.layer) + " row " + row.row + ":";
    }
    if (body.layer == 0) return where + (model.hasBasePlate() ? " the base plate" : " the ground");
    char point[96];
    snprintf(point, sizeof point, " at %g,%g,%g", body.placement.houseX, body.placement.houseY,
             body.placement.houseZ);
    return where + " " + pieceKindInfo(row.piece).name + point;
}

int runCheck(const CLI::App& command, const CheckOptions& options) {
    if (!options.file.empty() && !options.model.empty()) {
        reportError(command, "give the model once: FILE or --model FILE");
        fprintf(stderr, "Run 'brik check --help' for the options.\n");
        return kExitUsage;
    }
    const std::string path = options.file.empty() ? options.model : options.file;
    Model model;
    if (!loadModel(path, &model)) return kExitUsage;
    const std::vector<ModelBody> bodies = modelBodiesInOrder(model);
    const std::vector<size_t> floating = floatingBodies(bodies);
    const std::vector<Overlap> overlaps = overlappingBodies(bodies);
    for (size_t i : floating)
        printf("%s rests on nothing\n", describe(model, path, bodies[i]).c_str());
    for (const Overlap& overlap : overlaps)
        printf("%s overlaps %s by %.3g cubic studs\n",
               describe(model, path, bodies[overlap.first]).c_str(),
               describe(model, path, bodies[overlap.second]).c_str(), overlap.volume);
    printf("%s: %zu pieces, %zu resting on nothing, %zu overlapping pairs\n",
           path.empty() ? "built-in house" : path.c_str(), bodies.size() - 1, floating.size(),
           overlaps.size());
    return floating.empty() && overlaps.empty() ? kExitSuccess : kExitFailure;
}
}  // namespace

Command addCheckCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "check", "Find pieces that overlap another or rest on nothing (status 1 when any)");
    auto options = std::make_shared<CheckOptions>();
    command->add_option("FILE", options->file, "the model file (default: the built-in house)")
        ->type_name("FILE");
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runCheck(*command, *options); }};
}
