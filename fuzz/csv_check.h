// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::fuzz {

// Feeds one input to the list reader. A refusal must name its line; an
// accepted table must have header-sized rows on ascending lines and write
// back to text that reads as the same table; planning an order from it for a
// small file must keep every channel. Aborts when any of that fails.
void checkCsvInput(const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
