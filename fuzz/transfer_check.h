// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

// Drives the download or the upload state machine with one input: the input
// picks the machine and the file, then a stream of steps that deliver bytes
// in chunks of the input's sizes, as a receiver sends them, with cancels and
// closed-port deliveries between. Aborts (so the fuzzer reports it) when a
// machine sends something the protocol does not, reads past its image,
// stores more than the largest channel file plus one block, or keeps (or
// loses) an upload's output other than on a completed upload.
void checkTransferInput(const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
