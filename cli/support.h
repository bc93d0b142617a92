// What every command of the tool shares: number checks with readable
// messages, safe printing of texts taken from files, and the exit path that
// never reports success when standard output could not be written.
#pragma once

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"

namespace velmora::cli {

// A whole number from `min` to `max`, digits only ("-1" is not one).
CLI::Validator wholeNumber(std::uint64_t min, std::uint64_t max);
// A file name that is not empty ("-o ''" must not mean "over FILE").
CLI::Validator fileName();
// A number of seconds above zero; NaN is refused, "inf" is accepted.
CLI::Validator positiveSeconds();
// Seconds as a time limit; values beyond what the clock holds saturate.
std::chrono::milliseconds millis(double seconds);

// Reads and parses a channel file as every command does, with read() (a
// mapping turns a file cut short meanwhile into a bus error); prints why and
// returns false when it cannot. `bytes` receives what was read and
// `parsedSize` how much of it the content took.
bool loadForCommand(const std::string& path, ChannelDatabase& db, std::vector<std::uint8_t>* bytes = nullptr,
                    std::size_t* parsedSize = nullptr);

// `text` with control characters shown as \xNN (and \ as \\), so that a file
// cannot drive the terminal. Latin-1 texts also escape 0x80..0x9F and are
// converted to UTF-8.
std::string printable(std::string_view text, bool latin1);

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
// Flushes stdout; a failed write turns any result into exit 2.
int finishStandardOutput(int exitCode);

}  // namespace velmora::cli
