#pragma once

// A program's manual page (roff, section 1) and its bash completion, both made from the CLI11
// app the program parses its command line with, so that no option is described twice.

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

// A section of the page the option table does not hold: a paragraph, then tagged items.
struct ManSection {
    std::string title;  // "FILES"
    std::string text;
    std::vector<std::pair<std::string, std::string>> items;  // tag, description
};

// The manual page: NAME and SYNOPSIS from the app's name and description, every option (and,
// for an app with subcommands, every subcommand's options) with its description and default,
// then `sections`, and the app's footer as the closing NOTES.
std::string manPage(const CLI::App& app, const std::string& version,
                    const std::vector<ManSection>& sections);

// A bash completion script for the app: subcommand names, option names, and file or folder
// names after an option whose value is a FILE or a DIR.
std::string bashCompletion(const CLI::App& app);
