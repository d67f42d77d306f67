#pragma once

// --model FILE, the option every subcommand takes: the model to work on instead of the built-in
// house (docs/model-format.md).

#include <CLI/CLI.hpp>

#include <string>

#include "model/Model.h"

CLI::Option* addModelOption(CLI::App& command, std::string* path);

// The model at `path`, or the built-in house when `path` is empty. A file that cannot be read
// or holds a fault prints its one line ("FILE:LINE:COLUMN: what is wrong") on standard error
// and gives false: the command then ends with kExitUsage.
bool loadModel(const std::string& path, Model* model);
