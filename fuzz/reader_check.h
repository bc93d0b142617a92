// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

// Feeds one input to the reader. Rejected inputs must say why; accepted ones
// must save, read back to the same content and save again to the same bytes.
// Aborts (so the fuzzer reports it) when any of that fails.
void checkChannelFileInput(const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
