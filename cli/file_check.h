// SPDX-License-Identifier: GPL-3.0-or-later
// What `velmora check` finds in a channel file: stored lengths, checksum and
// CRC against what a save writes, bytes after the trailer, an unknown usage
// type, and every index that points outside its table. The editor's tests
// call it on the files the editor writes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora::cli {

// What a transfer leaves after the trailer: 0xFF up to the end of the last
// block (at most a whole block, when the data filled the blocks exactly).
bool isTransferPadding(std::span<const std::uint8_t> tail);

// One line per finding; empty for a sound file. `db` was read from `bytes`,
// whose content ends at `parsedSize`.
std::vector<std::string> fileFindings(const ChannelDatabase& db, std::span<const std::uint8_t> bytes,
                                      std::size_t parsedSize);

}  // namespace velmora::cli
