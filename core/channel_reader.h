// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a channel file. Untrusted input: every read is bounded, counts are
// checked against the capacities, and a file is read into a fresh database
// that replaces the caller's only when the whole file has been read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora {

inline constexpr const char* kTextBadMagic = "Invalid Data Format!!!";
inline constexpr const char* kTextBadChannelMagic = "Invalid Data Format, Check the Source File";

enum class LoadStatus {
    Ok,
    CannotOpen,        // no message in the editor; the CLI says why
    BadMagic,          // "Invalid Data Format!!!" (and usually the second text too)
    BadChannelMagic,   // "Invalid Data Format, Check the Source File"
    Truncated,         // ends before a section is complete
    OverCapacity,      // a count above what the tables hold
    TooLarge,          // larger than any channel file the reader takes
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    // Texts to show the user, one message box each, in order.
    std::vector<std::string> messages;
    // Bytes the file's content took, up to the end of the CRC trailer; a
    // longer file has bytes after the trailer that a save drops.
    std::size_t consumed = 0;

    bool ok() const { return status == LoadStatus::Ok; }
    // All messages joined by "\n" (for one-line reports).
    std::string text() const;
};

enum class HeaderStatus { Ok, BadMagic, TooShort };

// Reads the 64-byte header at offset 0. On a bad magic only `magic` is set.
HeaderStatus readFileHeader(std::span<const std::uint8_t> bytes, FileHeader& header);
FileHeader decodeFileHeader(const std::uint8_t* bytes64);

struct ReadOptions {
    // The editor needs working tables; a tool that only reads, checks or
    // re-saves does not, and skipping them halves the memory a load touches.
    bool workingTables = true;
};

// Reads a whole file into `db`, which is (re)allocated. On failure `db` is in
// an unspecified state: read into a scratch database and move it on success.
LoadResult readChannelFile(std::span<const std::uint8_t> bytes, ChannelDatabase& db, ReadOptions options = {});

// Largest file the reader takes into memory; every channel file is far
// smaller (kLargestFileSize), so only bytes after the trailer could exceed it.
inline constexpr std::size_t kReadLimit = 16u * 1024u * 1024u;

// Reads the file at `path` into memory and parses it. `db` is replaced only on
// success; `bytes`, when given, receives what was read.
LoadResult loadChannelFile(const std::string& path, ChannelDatabase& db, ReadOptions options = {},
                           std::vector<std::uint8_t>* bytes = nullptr);

enum class ReadFailure { None, CannotOpen, TooLarge };

// Reads a whole file with read(): a file shortened meanwhile is an error, not
// a crash. Opening never waits: a named FIFO, a device or a socket is refused
// ("not a regular file"); a pipe handed over by the shell (/dev/stdin) is read
// to its end. False with the reason in `error` on failure.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                   std::size_t maxBytes = kReadLimit, ReadFailure* failure = nullptr);

}  // namespace velmora
