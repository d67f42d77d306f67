#pragma once

// A program's manual page (roff, section 1) and its bash completion, both made from the CLI11
// app the program parses its command line with, so that no option is described twice.

#include <CLI/CLI.hpp>

#include <string>

// The manual page: NAME and SYNOPSIS from the app's name and description, every option (and,
// for an app with subcommands, every subcommand's options) with its description and default,
// `files` as the FILES section, and the app's footer as the closing NOTES.
std::string manPage(const CLI::App& app, const std::string& version, const std::string& files);

// A bash completion script for the app: subcommand names, option names, and file or folder
// names after an option whose value is a FILE or a DIR.
std::string bashCompletion(const CLI::App& app);
