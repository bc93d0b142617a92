// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

namespace velmora::cli {

// diff, reorder: comparing two channel lists and putting one in the order of
// the other.
void addDiffCommands(CLI::App& app, int& exitCode);

}  // namespace velmora::cli
