// SPDX-License-Identifier: GPL-3.0-or-later
// Two capacity-sized lists that differ the way a rescan and some tidying
// would: `moves` channels moved elsewhere and `renames` channels renamed,
// alternating between the TV and radio lists.
#pragma once

#include <random>
#include <string>

#include "channel_edit.h"
#include "sample_data.h"

namespace velmora::bench {

struct DiffPair {
    ChannelDatabase a, b;
};

inline DiffPair makeDiffPair(int moves = 1000, int renames = 100) {
    DiffPair p;
    p.a = makeSampleDatabase(SampleOptions::capacity());
    p.b = p.a;
    std::mt19937 rng(14);  // the engine's sequence is fixed by the standard
    for (int i = 0; i < moves; ++i) {
        const ChannelKind kind = i % 2 ? ChannelKind::Radio : ChannelKind::Tv;
        const int n = p.b.channelCount(kind);
        const auto held = holdChannel(p.b, kind, static_cast<int>(rng() % static_cast<unsigned>(n)));
        moveChannel(p.b, *held, static_cast<int>(rng() % static_cast<unsigned>(n)));
    }
    for (int i = 0; i < renames; ++i) {
        const ChannelKind kind = i % 2 ? ChannelKind::Radio : ChannelKind::Tv;
        const auto row = rng() % p.b.channelCount(kind);
        setFieldText(p.b.channels(kind)[row].name, "Renamed " + std::to_string(i));
    }
    return p;
}

}  // namespace velmora::bench
