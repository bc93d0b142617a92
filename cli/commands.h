#pragma once

#include <CLI/CLI.hpp>

namespace velmora::cli {

// info, dump, check, resave, sample.
void addFileCommands(CLI::App& app, int& exitCode);

}  // namespace velmora::cli
