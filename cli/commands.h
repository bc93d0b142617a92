#pragma once

#include <CLI/CLI.hpp>

namespace velmora::cli {

// info, dump, check, resave, sample.
void addFileCommands(CLI::App& app, int& exitCode);

// delete, move, fav. Exit codes: 0 done, 2 nothing written (a number outside
// its table, a missing group, a full table, an unreadable file).
void addEditCommands(CLI::App& app, int& exitCode);

}  // namespace velmora::cli
