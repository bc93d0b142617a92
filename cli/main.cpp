// SPDX-License-Identifier: GPL-3.0-or-later
#include <CLI/CLI.hpp>

#include "commands.h"
#include "csv_commands.h"
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
    velmora::cli::addDedupeCommand(app, exitCode);
    velmora::cli::addDiffCommands(app, exitCode);
    velmora::cli::addVersionCommands(app, exitCode);
    velmora::cli::addExportCommand(app, exitCode);
    // Receiver transfer commands are registered here.
    velmora::cli::addTransferCommands(app, exitCode);
    velmora::cli::addPortsCommand(app);
    // After the commands, which would otherwise inherit it.
    app.footer(
        "Numbers are decimal: digits only, leading zeros allowed (0010 is 10). delete, move, fav and lock take "
        "lists of positions: 7, 3-9 or 1,4,10-12.\n"
        "FILE - reads standard input, -o - writes standard output.\n"
        "Verbs that write over FILE lock it while they work (another program waits a few seconds, then gets exit 2 "
        "\"FILE is being changed by another program\"), keep the old FILE as FILE.bak (replaced only once the save "
        "has succeeded; a read-only FILE.bak is kept as it is), and print one line saying what they did. An edit "
        "that changes nothing leaves FILE and FILE.bak untouched and prints \"nothing to change\"; with -o OUT, "
        "OUT is written as always.\n"
        "Exit status: 0 done; 1 check findings, diff differences, a transfer refused or failed; 2 a usage error, "
        "an unreadable or locked file, or a write that failed: FILE (or OUT) is then unchanged; 3 a transfer whose "
        "peer stayed silent. When a file was written but standard output could not be, a message says so and the "
        "exit status stays 0.");
    if (const int rc = velmora::cli::refuseUnknownCommand(app, argc, argv)) return rc;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return velmora::cli::reportParseError(app, e);
    }
    return velmora::cli::finishStandardOutput(exitCode);
}
