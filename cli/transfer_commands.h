// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

namespace velmora::cli {

// send (PC -> receiver), receive (receiver -> PC) and the virtual receiver.
// Exit codes: 0 ok, 1 refusal or bad verdict, 2 unreadable file, bad port or
// usage, 3 timeout.
void addTransferCommands(CLI::App& app, int& exitCode);

}  // namespace velmora::cli
