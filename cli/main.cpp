#include <CLI/CLI.hpp>

#include "commands.h"
#include "diff_commands.h"
#include "transfer_commands.h"

int main(int argc, char** argv) {
    CLI::App app{"velmora - inspect, check, repair and generate Velmora channel files"};
    app.require_subcommand(1);
    int exitCode = 0;
    velmora::cli::addFileCommands(app, exitCode);
    velmora::cli::addEditCommands(app, exitCode);
    velmora::cli::addDiffCommands(app, exitCode);
    // Receiver transfer commands are registered here.
    velmora::cli::addTransferCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    return exitCode;
}
