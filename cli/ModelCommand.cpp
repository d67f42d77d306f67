// brik model: writes the built-in house as a model file, a starting point for models of one's
// own (docs/model-format.md).

#include <cstdio>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/OutputPath.h"
#include "io/AtomicFile.h"
#include "model/ModelFile.h"

namespace {
int runModel(const CLI::App& command, const std::string& output) {
    std::string why;
    if (!outputFileIsWritable(output, &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    const std::string text = modelText(houseModel());
    if (!writeFileAtomically(output, text.data(), text.size(), &why)) {
        reportError(command, why);
        return kExitFailure;
    }
    printf("wrote %s\n", output.c_str());
    return kExitSuccess;
}
}  // namespace

Command addModelCommand(CLI::App& brik) {
    CLI::App* command = brik.add_subcommand(
        "model", "Write the built-in house as a model file to edit (docs/model-format.md)");
    auto output = std::make_shared<std::string>();
    command->add_option("-o,--output", *output, "the model file to write")
        ->check(nonEmptyPath)
        ->type_name("FILE")
        ->required();
    return {command, [command, output] { return runModel(*command, *output); }};
}
