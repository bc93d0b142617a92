// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of the tool shares: checks with readable messages,
// safe printing of texts taken from files, and the exit path that never
// reports success when standard output could not be written.
#pragma once

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"
#include "numbers.h"
#include "printable.h"

namespace velmora::cli {

// A file name that is not empty ("-o ''" must not mean "over FILE").
CLI::Validator fileName();
// A number of seconds above zero; NaN is refused, "inf" is accepted.
CLI::Validator positiveSeconds();
// Seconds as a time limit; values beyond what the clock holds saturate.
std::chrono::milliseconds millis(double seconds);

// Reads and parses a channel file as every command does, with read() (a
// mapping turns a file cut short meanwhile into a bus error); prints why and
// returns false when it cannot; "-" is standard input. `bytes` receives what was read and
// `parsedSize` how much of it the content took.
bool loadForCommand(const std::string& path, ChannelDatabase& db, std::vector<std::uint8_t>* bytes = nullptr,
                    std::size_t* parsedSize = nullptr);


// Standard descriptors that are closed get /dev/null opened the wrong way
// round in their place: writes then fail as on a closed descriptor, and no
// file the tool opens can end up receiving its output.
void guardStandardStreams();
// A command fills a few megabytes of fresh memory (file images, tables). In
// 4 KiB pages a fresh process pays a page fault for each, which costs more
// than the parsing; this asks for large pages instead. Best effort: where the
// kernel declines, nothing changes.
void preferLargePages();
// "unknown command 'x'" with the list of commands; 0 when argv names none.
int refuseUnknownCommand(CLI::App& app, int argc, char** argv);
int reportParseError(CLI::App& app, const CLI::ParseError& e);
// A verb wrote its file (FILE or OUT): from now on exit 2 would be a lie.
void noteFileWritten();
// Flushes stdout; a failed write turns any result into exit 2, unless a file
// was written: then the message says so and the exit code stays.
int finishStandardOutput(int exitCode);

}  // namespace velmora::cli
