// SPDX-License-Identifier: GPL-3.0-or-later
// Realistic demo channel files for trying the editor, tests and benchmarks.
#pragma once

#include <cstdint>

#include "channel_database.h"

namespace velmora {

struct SampleOptions {
    unsigned satellites = 4;
    unsigned transponders = 24;
    unsigned tv = 120;
    unsigned radio = 40;
    unsigned groups = 6;
    unsigned extraBytes = 0;  // 0: no extra block
    std::uint64_t seed = 1;
    // Every table at its capacity: 255 satellites, 1000 transponders, 10000
    // TV and radio channels, 125 groups holding 10000 members of each kind,
    // a 60000-byte extra block.
    static SampleOptions capacity();
};

// Counts are clamped to the capacities; satellites need at least one
// transponder each to carry channels, so counts of 0 give empty tables.
ChannelDatabase makeSampleDatabase(const SampleOptions& options);

}  // namespace velmora
