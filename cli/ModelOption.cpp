#include "cli/ModelOption.h"

#include <cstdio>

#include "model/ModelFile.h"

CLI::Option* addModelOption(CLI::App& command, std::string* path) {
    return command
        .add_option("--model", *path,
                    "the model file to use instead of the built-in house (docs/model-format.md)")
        ->type_name("FILE");
}

bool loadModel(const std::string& path, Model* model) {
    if (path.empty()) {
        *model = houseModel();
        return true;
    }
    std::string error;
    if (readModelFile(path, model, &error)) return true;
    fprintf(stderr, "%s\n", error.c_str());
    return false;
}
