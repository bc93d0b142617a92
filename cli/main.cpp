#include <CLI/CLI.hpp>

#include "commands.h"
#include "diff_commands.h"
#include "support.h"
#include "transfer_commands.h"

int main(int argc, char** argv) {
    velmora::cli::guardStandardStreams();
    velmora::cli::preferLargePages();
    // A fixed name: the usage lines (and the manual made from them) do not
    // depend on the path the tool was started by.
    CLI::App app{"velmora - inspect, check, repair and generate Velmora channel files", "velmora"};
    app.require_subcommand(1);
    app.set_version_flag("--version", VELMORA_VERSION);
    int exitCode = 0;
    velmora::cli::addFileCommands(app, exitCode);
    velmora::cli::addEditCommands(app, exitCode);
    velmora::cli::addListCommands(app, exitCode);
    velmora::cli::addDiffCommands(app, exitCode);
    // Receiver transfer commands are registered here.
    velmora::cli::addTransferCommands(app, exitCode);
    velmora::cli::addPortsCommand(app);
    if (const int rc = velmora::cli::refuseUnknownCommand(app, argc, argv)) return rc;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return velmora::cli::reportParseError(app, e);
    }
    return velmora::cli::finishStandardOutput(exitCode);
}
