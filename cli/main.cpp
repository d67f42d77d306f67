// brik: the house's command-line tool. Each subcommand is a file of its own in cli/.
//
// Exit status: 0 success, 1 the work failed (no display, unwritable output), 2 a bad
// command line (unknown option, malformed or out-of-range value, missing value).

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Command.h"

void reportError(const CLI::App& command, const std::string& message) {
    std::string name = command.get_name();
    for (const CLI::App* parent = command.get_parent(); parent; parent = parent->get_parent())
        name = parent->get_name() + " " + name;
    fprintf(stderr, "%s: %s\n", name.c_str(), message.c_str());
}

int main(int argc, char** argv) {
    CLI::App brik("Build, list, export and draw the brick house", "brik");
    brik.require_subcommand(1);
    const std::vector<Command> commands = {addSnapshotCommand(brik), addPartsCommand(brik),
                                           addExportCommand(brik), addInstructionsCommand(brik),
                                           addModelCommand(brik), addCheckCommand(brik)};

    try {
        brik.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return brik.exit(help);  // usage on standard output, status 0
    } catch (const CLI::CallForAllHelp& help) {
        return brik.exit(help);
    } catch (const CLI::ParseError& error) {
        // The subcommand being parsed, if any, names itself and its own help.
        const CLI::App* failed = &brik;
        for (const Command& command : commands)
            if (command.app->parsed()) failed = command.app;
        // `brik word` with a word that is no subcommand ends as "a subcommand is required".
        const bool unknownWord = failed == &brik && argc > 1 && argv[1][0] != '-' &&
                                 dynamic_cast<const CLI::RequiredError*>(&error);
        reportError(*failed, unknownWord ? "'" + std::string(argv[1]) + "' is not a subcommand"
                                         : std::string(error.what()));
        const std::string helpCommand =
            failed == &brik ? "brik --help" : "brik " + failed->get_name() + " --help";
        fprintf(stderr, "Run '%s' for the options.\n", helpCommand.c_str());
        return kExitUsage;
    }
    for (const Command& command : commands)
        if (command.app->parsed()) return command.run();
    return kExitUsage;  // require_subcommand makes this unreachable
}
