#include "cli/BrikCommandLine.h"

#include <cstdio>
#include <string>

#include "io/BuildInfo.h"

namespace {
constexpr const char* kExitStatusText =
    "Exit status: 0 done (also --help and --version); 1 the work failed (no display, an output "
    "that cannot be written); 2 a bad command line; 255 the floor image is missing or unusable.";

// The full name of a subcommand, "brik snapshot".
std::string commandPath(const CLI::App& command) {
    std::string name = command.get_name();
    for (const CLI::App* parent = command.get_parent(); parent; parent = parent->get_parent())
        name = parent->get_name() + " " + name;
    return name;
}
}  // namespace

void reportError(const CLI::App& command, const std::string& message) {
    fprintf(stderr, "%s: %s\n", commandPath(command).c_str(), message.c_str());
}

BrikCommandLine::BrikCommandLine() : app("Build, list, export and draw the brick house", "brik") {
    app.require_subcommand(1);
    app.set_version_flag("--version", versionLine("brik"),
                         "print the version and the commit built");
    app.footer(kExitStatusText);
    commands = {addSnapshotCommand(app),     addPartsCommand(app), addExportCommand(app),
                addInstructionsCommand(app), addModelCommand(app), addCheckCommand(app)};
    CLI::App* help = app.add_subcommand("help", "Show the options of a subcommand");
    std::vector<std::string> names;
    for (const Command& command : commands) names.push_back(command.app->get_name());
    help->add_option("SUBCOMMAND", "the subcommand whose options to show")
        ->check(CLI::IsMember(names));
}

const Command* parseBrikCommandLine(BrikCommandLine& commandLine, int argc, const char* const* argv,
                                    std::ostream& out, std::ostream& err, int* status) {
    CLI::App& brik = commandLine.app;
    try {
        brik.parse(argc, argv);
    } catch (const CLI::Success& done) {  // --help, --help-all, --version
        *status = brik.exit(done, out, err);
        return nullptr;
    } catch (const CLI::ParseError& error) {
        // The subcommand being parsed, if any, names itself and its own help.
        const CLI::App* failed = &brik;
        for (const CLI::App* command : brik.get_subcommands())
            if (command->parsed()) failed = command;
        // `brik word` with a word that is no subcommand ends as "a subcommand is required".
        const bool unknownWord = failed == &brik && argc > 1 && argv[1][0] != '-' &&
                                 dynamic_cast<const CLI::RequiredError*>(&error);
        err << commandPath(*failed) << ": "
            << (unknownWord ? "'" + std::string(argv[1]) + "' is not a subcommand"
                            : std::string(error.what()))
            << "\nRun '" << commandPath(*failed) << " --help' for the options.\n";
        *status = kExitUsage;
        return nullptr;
    }
    for (const Command& command : commandLine.commands)
        if (command.app->parsed()) return &command;
    // `brik help [SUB]`: the help of the one named, or of brik itself.
    const CLI::App* help = brik.get_subcommand("help");
    const CLI::Option* name = help->get_option("SUBCOMMAND");
    // (brik.help() would show the help of the subcommand parsed, `help` itself.)
    out << (name->count() > 0
                ? brik.get_subcommand(name->as<std::string>())->help()
                : brik.get_formatter()->make_help(&brik, "brik", CLI::AppFormatMode::Normal));
    *status = kExitSuccess;
    return nullptr;
}
