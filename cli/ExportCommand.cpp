// brik export: the house as a model file other 3D tools open, from the geometry capture.
// No display, no OpenGL.

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/ModelOption.h"
#include "cli/OptionValues.h"
#include "cli/OutputPath.h"
#include "export/ModelExport.h"

namespace {
struct ExportOptions {
    std::string output;
    double metresPerStud = 0;  // 0: the format's default
    std::string model;         // a model file; empty for the built-in house
};

bool parseModelPath(const std::string& text, std::string* path, std::string* why) {
    ModelFormat format;
    if (!modelFormatOf(text, &format)) {
        *why = "'" + text + "' does not end in .glb, .gltf or .obj";
        return false;
    }
    *path = text;
    return true;
}

bool parseScale(const std::string& text, double* scale, std::string* why) {
    if (!parseFiniteNumber(text, scale, why)) return false;
    if (!(*scale >= kMinMetresPerStud && *scale <= kMaxMetresPerStud)) {
        char range[64];
        snprintf(range, sizeof range, "%g and %g", kMinMetresPerStud, kMaxMetresPerStud);
        *why = "'" + text + "' is not between " + range + " metres per stud pitch";
        return false;
    }
    return true;
}

int runExport(const CLI::App& command, const ExportOptions& options) {
    Model model;
    if (!loadModel(options.model, &model)) return kExitUsage;
    std::string why;
    if (!outputFileIsWritable(options.output, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    ModelFormat format = ModelFormat::Glb;
    modelFormatOf(options.output, &format);
    const HouseMesh mesh = captureHouse(model);
    if (!exportModel(mesh, options.output, format, options.metresPerStud, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    printf("wrote %s: %zu triangles, %zu placements\n", options.output.c_str(),
           mesh.triangles.size(), mesh.placements.size());
    return kExitSuccess;
}
}  // namespace

Command addExportCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "export", "Write the house as a model file: .glb, .gltf (glTF 2.0) or .obj with .mtl");
    auto options = std::make_shared<ExportOptions>();
    addCheckedOption(*command, "-o,--output", &options->output, parseModelPath,
                     "the file to write; its extension chooses the format")
        ->type_name("FILE")
        ->required();
    addCheckedOption(*command, "--scale", &options->metresPerStud, parseScale,
                     "metres per stud pitch (glTF default 0.008; OBJ default: brick units)")
        ->type_name("METRES");
    addModelOption(*command, &options->model);
    return {command, [command, options] { return runExport(*command, *options); }};
}
