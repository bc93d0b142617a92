// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace velmora::cli {

// info, dump, check, resave, sample.
void addFileCommands(CLI::App& app, int& exitCode);

// delete, move, fav, lock. Exit codes: 0 done (or nothing to change), 2 nothing
// written (a number outside its table, a missing group, a full table, an
// unreadable or locked file).
void addEditCommands(CLI::App& app, int& exitCode);

// list: a channel list as the editor shows it, optionally sorted by a column.
// Exit codes: 0 printed, 2 an unreadable file.
void addListCommands(CLI::App& app, int& exitCode);

// dedupe: duplicate channels removed. Exit codes: 0 removed (or --dry-run),
// 1 none to remove (nothing written), 2 nothing written (an unreadable or
// locked file, a failed write).
void addDedupeCommand(CLI::App& app, int& exitCode);
// versions: the versions of a file kept in the version store. Exit code 0.
void addVersionCommands(CLI::App& app, int& exitCode);

// ports: the serial devices present.
void addPortsCommand(CLI::App& app);

}  // namespace velmora::cli
